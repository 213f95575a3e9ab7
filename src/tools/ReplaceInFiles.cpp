#include "tools/ReplaceInFiles.h"

#include <algorithm>
#include <memory>
#include <new>

#include "platform/Env.h"

namespace ReplaceInFiles {

namespace {

bool Fail(Failure& failure, std::u16string text, const std::filesystem::path& path, const char16_t* action) {
  failure.text = std::move(text);
  failure.caption = path.u16string() + u" " + action;
  return false;
}

}  // namespace

bool ReplaceEnabled(const std::u16string& input, const std::u16string& output) {
  return input.size() > 4 && output.size() > 4;
}

bool Replace(const std::filesystem::path& input, const std::filesystem::path& output,
             const std::u16string& thisLetter, const std::u16string& withThisOne, Failure& failure) {
  std::u16string error;
  auto source = platform::Env::Current().Open(input, platform::OpenMode::Read, platform::Share::Read, error);
  if (!source) return Fail(failure, error, input, u"opening the file");
  // The whole input is read before the output is created, so naming the same
  // file twice rewrites it instead of truncating it first.
  const std::int64_t size = source->Size();
  std::unique_ptr<char[]> bytes;
  if (size >= 0 && platform::MemoryCanHold(static_cast<std::uint64_t>(size)))
    bytes.reset(new (std::nothrow) char[size > 0 ? size : 1]);
  if (!bytes) {
    failure.text = u"No enough memory";
    failure.caption = u"no enough memory reading the file";
    return false;
  }
  const std::size_t length = static_cast<std::size_t>(size);
  if (source->Read(bytes.get(), length) != length)
    return Fail(failure, u"Error reading file", input, u"opening the file");
  source.reset();
  if (!thisLetter.empty() && !withThisOne.empty() && thisLetter[0] < 256 && withThisOne[0] < 256)
    std::replace(bytes.get(), bytes.get() + length, static_cast<char>(thisLetter[0]),
                 static_cast<char>(withThisOne[0]));
  auto target =
      platform::Env::Current().Open(output, platform::OpenMode::Create, platform::Share::None, error);
  if (!target) return Fail(failure, error, output, u"writting the file");
  if (target->Write(bytes.get(), length) != length)
    return Fail(failure, u"Error writting file", output, u"writting the file");
  return true;
}

}  // namespace ReplaceInFiles
