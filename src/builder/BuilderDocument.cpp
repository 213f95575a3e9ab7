#include "builder/BuilderDocument.h"

#include <cstring>
#include <new>

#include "builder/BuildProgram.h"
#include "numerics/Random.h"
#include "platform/Env.h"
#include "platform/Text.h"

namespace {

constexpr const char16_t* kUnknownBuildType = u"Unknown build type";
constexpr const char16_t* kNoMemory = u"Not enough memory to create data set equations";
constexpr const char16_t* kBadShape = u"The number of rows and columns must be at least 1";
constexpr std::int32_t kHeaderFields = 92;

void PutI32(unsigned char* out, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}

std::int32_t GetI32(const unsigned char* in) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(in[i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

// The magic text of a header: the units up to the first NUL within the 32.
bool HasBuilderMagic(const unsigned char* bytes) {
  const char16_t* magic = BuilderDocument::kMagic;
  for (std::size_t i = 0; i < BuilderDocument::kMagicUnits; ++i) {
    const auto unit = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
    if (unit != magic[i]) return false;
    if (unit == 0) return true;
  }
  return false;
}

std::u16string VersionMessage(std::int32_t major, std::int32_t minor) {
  return platform::Format("Tessarion %d.%d does not open version %d.%d files", BuilderDocument::kMajorVersion,
                          BuilderDocument::kMinorVersion, major, minor);
}

bool IsKnownBuildType(std::int32_t type) {
  return type == BuilderDocument::kByColumn || type == BuilderDocument::kByCell;
}

std::int64_t DataSetCount(std::int32_t type, std::int32_t cols) {
  return type == BuilderDocument::kByColumn ? cols : 1;
}

void MakeDataSetEquation(Equation& equation, std::int32_t type, std::int32_t number) {
  equation = Equation();
  if (type == BuilderDocument::kByCell) {
    equation.SetName(u"cell");
    equation.operandD = NameTable::kFirstVariable;
    return;
  }
  equation.SetName(platform::Format("col%d", number).c_str());
  equation.operandA = equation.operandB = equation.operandC = equation.operandD = NameTable::kFirstVariable;
}

bool WriteRecords(platform::File& file, const Equation* records, std::size_t count) {
  std::vector<unsigned char> bytes(count * kEquationBytes);
  for (std::size_t i = 0; i < count; ++i) {
    unsigned char record[kEquationBytes];
    records[i].Encode(record);
    std::memcpy(bytes.data() + i * kEquationBytes, record, kEquationBytes);
  }
  return file.Write(bytes.data(), bytes.size()) == bytes.size();
}

bool ReadRecords(platform::File& file, Equation* records, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) {
    unsigned char record[kEquationBytes];
    if (file.Read(record, kEquationBytes) != kEquationBytes) return false;
    records[i].Decode(record);
  }
  return true;
}

}  // namespace

BuilderDocument::BuilderDocument() { Reset(kByColumn, 32, 2); }

std::u16string BuilderDocument::Reset(std::int32_t type, std::int32_t rowCount, std::int32_t colCount) {
  if (!IsKnownBuildType(type)) return kUnknownBuildType;
  dataSet.clear();
  names.Reset(rowCount, colCount);
  flags = {};
  return CreateDataSetEquations(type, rowCount, colCount);
}

std::u16string BuilderDocument::CreateDataSetEquations(std::int32_t type, std::int32_t rowCount,
                                                       std::int32_t colCount) {
  if (rowCount < 1 || colCount < 1) return kBadShape;
  const std::int64_t count = DataSetCount(type, colCount);
  std::vector<Equation> fresh;
  if (!platform::MemoryCanHold(static_cast<std::uint64_t>(count) * sizeof(Equation))) return kNoMemory;
  try {
    fresh.resize(static_cast<std::size_t>(count));
  } catch (const std::bad_alloc&) {
    return kNoMemory;
  }
  for (std::int64_t i = 0; i < count; ++i)
    MakeDataSetEquation(fresh[i], type, static_cast<std::int32_t>(i + 1));
  dataSet.swap(fresh);
  buildType = type;
  rows = rowCount;
  cols = colCount;
  return {};
}

std::u16string BuilderDocument::ChangeBuildType(std::int32_t type, std::int32_t rowCount,
                                                std::int32_t colCount) {
  if (!IsKnownBuildType(type)) return kUnknownBuildType;
  return CreateDataSetEquations(type, rowCount, colCount);
}

std::u16string BuilderDocument::ChangeColumnCount(std::int32_t count) {
  if (buildType == kByCell) return u"This build type does not allow modifying the number of columns";
  if (count == cols) return {};
  if (count < 1) return kBadShape;
  std::vector<Equation> resized;
  if (!platform::MemoryCanHold(static_cast<std::uint64_t>(count) * sizeof(Equation))) return kNoMemory;
  try {
    resized.resize(static_cast<std::size_t>(count));
  } catch (const std::bad_alloc&) {
    return kNoMemory;
  }
  for (std::int32_t i = 0; i < count; ++i) {
    if (i < static_cast<std::int32_t>(dataSet.size()))
      resized[i] = dataSet[i];
    else
      MakeDataSetEquation(resized[i], kByColumn, i + 1);
  }
  dataSet.swap(resized);
  cols = count;
  return {};
}

std::u16string BuilderDocument::Save(const std::filesystem::path& path) const {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Create, platform::Share::None, error);
  if (!file) return error;
  unsigned char header[kHeaderFields] = {};
  PutI32(header, static_cast<std::int32_t>(kHeaderSize));
  PutI32(header + 4, kMajorVersion);
  PutI32(header + 8, kMinorVersion);
  for (std::size_t i = 0; kMagic[i]; ++i) {
    header[12 + 2 * i] = static_cast<unsigned char>(kMagic[i]);
    header[13 + 2 * i] = static_cast<unsigned char>(kMagic[i] >> 8);
  }
  PutI32(header + 76, rows);
  PutI32(header + 80, cols);
  PutI32(header + 84, NameTable::kVariables);
  PutI32(header + 88, buildType);
  if (file->Write(header, kHeaderFields) != kHeaderFields) return u"Unable to write file header";
  if (!WriteRecords(*file, &names[NameTable::kFirstVariable], NameTable::kVariables))
    return u"Unable to write variable equations";
  if (!WriteRecords(*file, dataSet.data(), dataSet.size())) return u"Unable to write data set equations";
  return {};
}

std::u16string BuilderDocument::Load(const std::filesystem::path& path) {
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::Read, error);
  if (!file) return error;
  return Read(*file);
}

std::u16string BuilderDocument::Read(platform::File& file) {
  unsigned char header[kHeaderFields];
  if (file.Read(header, kHeaderFields) != kHeaderFields) return u"Unable to read file header";
  const std::int32_t major = GetI32(header + 4), minor = GetI32(header + 8);
  if (major != kMajorVersion || minor != kMinorVersion) return VersionMessage(major, minor);
  if (!HasBuilderMagic(header + 12)) return u"This is not a Tessarion file";
  const std::int32_t fileRows = GetI32(header + 76), fileCols = GetI32(header + 80);
  const std::int32_t count = GetI32(header + 84), type = GetI32(header + 88);
  if (count < 0 || count > NameTable::kVariables)
    return platform::Format("The file holds %d variable equations; a builder document holds 0 to %d", count,
                            NameTable::kVariables);
  if (!IsKnownBuildType(type)) return kUnknownBuildType;
  if (fileRows < 1 || fileCols < 1) return kBadShape;
  // Counts from the file are checked against its length before anything is
  // sized from them.
  const std::int64_t size = file.Size(), position = file.Position();
  if (size >= 0 && position >= 0) {
    const std::int64_t left = size - position;
    if (left < count * static_cast<std::int64_t>(kEquationBytes)) return u"Unable to read variable equations";
    if (left < (count + DataSetCount(type, fileCols)) * static_cast<std::int64_t>(kEquationBytes))
      return u"Unable to read data set equations";
  }
  BuilderDocument loaded;
  if (std::u16string error = loaded.Reset(type, fileRows, fileCols); !error.empty()) return error;
  if (!ReadRecords(file, &loaded.names[NameTable::kFirstVariable], static_cast<std::size_t>(count)))
    return u"Unable to read variable equations";
  if (!ReadRecords(file, loaded.dataSet.data(), loaded.dataSet.size()))
    return u"Unable to read data set equations";
  loaded.fileName = std::move(fileName);
  *this = std::move(loaded);
  return {};
}

int BuilderDocument::Probe(const std::filesystem::path& path, char16_t* buffer, std::size_t size) {
  auto fail = [&](std::u16string_view message) {
    platform::CopyTruncated(buffer, size, message);
    return 0;
  };
  std::u16string error;
  auto file = platform::Env::Current().Open(path, platform::OpenMode::Read, platform::Share::None, error);
  if (!file) return fail(error);
  unsigned char field[4];
  if (file->Read(field, 4) != 4) return fail(u"Unable to read header size");
  if (file->Read(field, 4) != 4) return fail(u"Unable to read mayor version");
  const std::int32_t major = GetI32(field);
  if (file->Read(field, 4) != 4) return fail(u"Unable to read minor version");
  const std::int32_t minor = GetI32(field);
  if (major != kMajorVersion || minor != kMinorVersion) return fail(VersionMessage(major, minor));
  unsigned char magic[2 * kMagicUnits];
  if (file->Read(magic, sizeof magic) != sizeof magic) return fail(u"Unable to header info");
  return HasBuilderMagic(magic) ? 1 : 2;
}

bool BuilderDocument::Build(Matrix& set) {
  names.SetShape(rows, cols);
  if (set.Rows() != rows || set.Cols() != cols || !IsKnownBuildType(buildType)) return false;
  BuildProgram program(names, dataSet);
  for (std::int32_t r = 0; r < rows; ++r) {
    double* line = set[r];
    for (std::int32_t c = 0; c < cols; ++c) {
      program.EnterCell(r, c);
      line[c] = program.RunCell(buildType == kByColumn ? c : 0);
    }
  }
  program.StoreValues(names, dataSet);
  flags = program.Flags();
  return true;
}

void BuilderDocument::EnterCell(std::int32_t row, std::int32_t col) {
  names[NameTable::kRow].value = row;
  flags.firstRow = row == 0;
  names[NameTable::kCol].value = col;
  flags.firstColumn = col == 0;
}

bool BuilderDocument::Evaluate(Equation& e) {
  double result;
  if (!EquationMath::EvaluateForm(e.kind, e.function, e.operator1, e.operator2, e.operator3,
                                  names.OperandValue(e.operandA), names.OperandValue(e.operandB),
                                  names.OperandValue(e.operandC), names.OperandValue(e.operandD), flags,
                                  result))
    return false;
  e.value = EquationMath::Stored(result);
  return true;
}

void BuilderDocument::EvaluateVariables() {
  for (std::int32_t i = NameTable::kFirstVariable; i < NameTable::kSize; ++i) Evaluate(names[i]);
}

double BuilderDocument::EvaluateDataSetEquation(std::int32_t index) {
  Evaluate(dataSet[index]);
  return dataSet[index].value;
}

bool BuilderDocument::IsReferenced(std::int32_t row) const {
  const std::int32_t target = NameTable::kFirstVariable + row;
  auto refers = [target](const Equation& e) {
    return e.kind != kConstant &&
           (e.operandA == target || e.operandB == target || e.operandC == target || e.operandD == target);
  };
  for (std::int32_t i = NameTable::kFirstVariable; i < NameTable::kSize; ++i)
    if (refers(names[i])) return true;
  for (const Equation& e : dataSet)
    if (refers(e)) return true;
  return false;
}

std::u16string BuilderDocument::UniqueRandomName() const {
  // At most 90 of the 99 candidates can be taken, so a free one always turns up.
  for (;;) {
    const auto k = static_cast<int>(Random::Uniform() * 99 + 1);
    std::u16string name = platform::Format("X%02d", k);
    if (names.Find(name) < 0) return name;
  }
}

void BuilderDocument::ClearEquation(std::int32_t row) {
  if (row < 0 || row >= NameTable::kVariables) return;
  const std::u16string name = UniqueRandomName();
  NameTable::MakeFreshVariable(names.Variable(row), name.c_str());
}

void BuilderDocument::ShiftOperands(std::int32_t from, std::int32_t by, std::int32_t discardFrom) {
  auto shift = [&](std::int32_t& operand) {
    if (operand < from) return;
    const std::int64_t moved = static_cast<std::int64_t>(operand) + by;
    operand = moved >= discardFrom ? NameTable::kZero : static_cast<std::int32_t>(moved);
  };
  auto shiftAll = [&](Equation& e) {
    shift(e.operandA);
    shift(e.operandB);
    shift(e.operandC);
    shift(e.operandD);
  };
  for (std::int32_t i = 0; i < NameTable::kSize; ++i) shiftAll(names[i]);
  for (Equation& e : dataSet) shiftAll(e);
}

void BuilderDocument::DeleteEquation(std::int32_t row) {
  if (row < 0 || row >= NameTable::kVariables) return;
  for (std::int32_t i = NameTable::kFirstVariable + row; i + 1 < NameTable::kSize; ++i)
    names[i] = names[i + 1];
  const std::u16string name = UniqueRandomName();
  NameTable::MakeFreshVariable(names[NameTable::kSize - 1], name.c_str());
  ShiftOperands(NameTable::kFirstVariable + row, -1, NameTable::kSize + 1);
}

void BuilderDocument::InsertEquationBefore(std::int32_t row) {
  if (row < 0 || row >= NameTable::kVariables) return;
  const std::int32_t slot = NameTable::kFirstVariable + row;
  for (std::int32_t i = NameTable::kSize - 1; i > slot; --i) names[i] = names[i - 1];
  // References to the discarded last variable fall back to "0"; every other
  // reference follows its variable, the one now in the last slot included.
  ShiftOperands(slot, +1, NameTable::kSize);
  const std::u16string name = UniqueRandomName();
  NameTable::MakeFreshVariable(names[slot], name.c_str());
}

void BuilderDocument::InsertEquationAfter(std::int32_t row) {
  if (row < 0 || row + 1 >= NameTable::kVariables) return;
  const std::int32_t slot = NameTable::kFirstVariable + row + 1;
  for (std::int32_t i = NameTable::kSize - 1; i > slot; --i) names[i] = names[i - 1];
  ShiftOperands(slot, +1, NameTable::kSize);
  const std::u16string name = UniqueRandomName();
  NameTable::MakeFreshVariable(names[slot], name.c_str());
}

std::u16string BuilderDocument::DisplayFileName() const {
  return fileName.empty() ? std::u16string(u"Untitled.Tsn") : fileName;
}

std::u16string BuilderDocument::WindowTitle(std::u16string_view path) {
  std::u16string name;
  if (path.size() >= 5) {
    std::u16string upper(path);
    for (char16_t& c : upper)
      if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    const std::size_t extension = upper.find(u".TSN");
    if (extension != std::u16string::npos) {
      const std::size_t slash = upper.rfind(u'\\', extension);
      if (slash != std::u16string::npos) name = path.substr(slash + 1);
    }
  }
  std::u16string title = u"Training Set Builder - ";
  return title + (name.size() >= 3 ? name : u"Tessarion");
}
