#include "net/NetworkFile.h"

#include <memory>
#include <system_error>

#include "platform/Env.h"

namespace {

// The largest layer size a description may name: keeps every column count,
// doubled for complex layers, inside 32 bits. Files are judged against their
// length long before this matters.
constexpr std::int32_t kMaxNeurons = 0x3FFFFFF0;

struct LayerShape {
  std::int64_t rows;
  std::int64_t cols;
};

// The weight matrix shape of each layer from the input side.
int LayerShapes(const networkSetup& s, LayerShape (&shapes)[NetworkFile::kMaxLayers]) {
  const std::int64_t width = s.complex ? 2 : 1;
  const int layers = NetworkFile::LayerCount(s);
  const std::int32_t sizes[] = {s.inputs, s.hidden1, s.hidden2};
  const std::int32_t neurons[] = {s.hidden1, s.hidden2, 0};
  for (int l = 0; l < layers; ++l) {
    const std::int64_t rows = l + 1 == layers ? s.outputs : neurons[l];
    shapes[l] = {rows, width * (static_cast<std::int64_t>(sizes[l]) + 1)};
  }
  return layers;
}

bool IsHiddenCode(std::int32_t code) { return code == 0 || code == 1; }

std::filesystem::path BesidePath(const std::filesystem::path& path) {
  std::filesystem::path beside = path;
  beside += ".part";
  return beside;
}

}  // namespace

int NetworkFile::LayerCount(const networkSetup& setup) {
  if (setup.hidden1 == 0) return 1;
  return setup.hidden2 != 0 ? 3 : 2;
}

Message NetworkFile::CheckSetup(const networkSetup& s) {
  if (s.family != networkSetup::kLayerFamily) return u"The file does not hold a layer network";
  const int layers = LayerCount(s);
  if (s.inputs < 1 || s.outputs < 1 || s.hidden1 < 0 || s.hidden2 < 0 || s.inputs > kMaxNeurons ||
      s.outputs > kMaxNeurons || s.hidden1 > kMaxNeurons || s.hidden2 > kMaxNeurons)
    return u"The network sizes in the file are not valid";
  if (s.style == kOutputEqualsInput && s.outputs != s.inputs)
    return u"The network sizes in the file are not valid";
  if (s.style < kGeneric || s.style > kOutputEqualsInput)
    return u"The network style in the file is not valid";
  const bool activationsValid = s.outputActivation >= 0 && s.outputActivation <= 2 &&
                                (layers < 2 || IsHiddenCode(s.hidden1Activation)) &&
                                (layers < 3 || IsHiddenCode(s.hidden2Activation));
  if (!activationsValid) return u"The activation functions in the file are not valid";
  if (s.complex && layers != 2) return u"There must be one hidden layer for complex neural networks";
  return nullptr;
}

Message NetworkFile::Read(const std::filesystem::path& path, int layers) {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::Read, error);
  if (!file) return u"The file couln't be read";
  return Read(*file, layers);
}

Message NetworkFile::Read(platform::File& file, int layers) {
  unsigned char header[networkSetup::kBytes];
  if (file.Read(header, sizeof header) != sizeof header) return u"Unable to read header file";
  setup.Decode(header);
  if (setup.majorVersion != networkSetup::kMajor || setup.minorVersion != networkSetup::kMinor)
    return u"This file is not compatible with this version of Tessarion.";
  if (!setup.MagicIs(kNetworkMagic)) return u"The file is not a Tessarion file";
  if (Message invalid = CheckSetup(setup)) return invalid;
  if (LayerCount(setup) != layers) return u"The file holds a network with another number of layers";
  return ReadBody(file, layers);
}

Message NetworkFile::ReadBody(platform::File& file, int layers) {
  LayerShape shapes[kMaxLayers];
  LayerShapes(setup, shapes);
  // Sizes the file cannot hold are refused before anything is allocated.
  double bodyBytes = 0.0;
  for (int l = 0; l < layers; ++l)
    bodyBytes += 8.0 + 8.0 * static_cast<double>(shapes[l].rows) * shapes[l].cols;
  const std::int64_t size = file.Size();
  if (size >= 0 && bodyBytes > static_cast<double>(size - networkSetup::kBytes))
    return u"Unable to read data from file";
  for (int l = 0; l < layers; ++l) {
    if (Message error = weights[l].ReadBinary(file)) return error;
    if (weights[l].Rows() != shapes[l].rows || weights[l].Cols() != shapes[l].cols)
      return u"The weight matrices in the file do not match the network";
  }
  if (!inputScaler.Read(file)) return u"Unable to load input scaler";
  if (!outputScaler.Read(file)) return u"Unable to load output scaler";
  return nullptr;
}

Message NetworkFile::Write(const std::filesystem::path& path, const networkSetup& setup,
                           const Matrix* const* weights, int layers, const Scaler& inputScaler,
                           const Scaler& outputScaler) {
  const std::filesystem::path beside = BesidePath(path);
  Message result = nullptr;
  {
    std::u16string error;
    auto file =
        platform::Env::Current().Open(beside, platform::OpenMode::Create, platform::Share::None, error);
    if (!file) return u"The file couldn't be written";
    unsigned char header[networkSetup::kBytes];
    setup.Encode(header);
    if (file->Write(header, sizeof header) != sizeof header) result = u"Unable to write file header";
    for (int l = 0; l < layers && !result; ++l) result = weights[l]->WriteBinary(*file);
    if (!result && !inputScaler.Write(*file)) result = u"Unable to write input scaler";
    if (!result && !outputScaler.Write(*file)) result = u"Unable to write output scaler";
  }
  std::error_code ignored;
  if (result) {
    std::filesystem::remove(beside, ignored);
    return result;
  }
  std::error_code renameError;
  std::filesystem::rename(beside, path, renameError);
  if (renameError) {
    std::filesystem::remove(beside, ignored);
    return u"The file couldn't be written";
  }
  return nullptr;
}
