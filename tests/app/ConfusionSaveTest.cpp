#include <gtest/gtest.h>

#include "app/ConfusionSave.h"
#include "platform/Text.h"
#include "support/FaultEnv.h"
#include "support/NetworkBuilders.h"
#include "support/ScriptedShell.h"
#include "support/TempDir.h"

namespace {

const Matrix kConfusion = MakeMatrix({{3, 1, 0}, {0, 4, 0}, {0, 0, 0}});

TEST(ConfusionSave, WritesThePageWhereTheUserChoseAndTellsAFailure) {
  TempDir dir;
  ScriptedShell shell;
  const auto page = dir.File("page.htm");
  shell.files.push_back(platform::Utf8ToUtf16(page.string()));
  EXPECT_TRUE(ConfusionSave::Save(shell, kConfusion, u"4 : 2S"));
  EXPECT_NE(TempDir::Read(page).find(platform::Utf16LeBytes(u"<title>4 : 2S</title>")), std::string::npos);
  EXPECT_EQ(shell.Take(),
            (std::vector<std::string>{"save(Save confusion matrix | Web page files (*.htm) | *.htm | "
                                      "htm): " +
                                      page.string()}));

  shell.files.push_back(std::nullopt);
  EXPECT_FALSE(ConfusionSave::Save(shell, kConfusion, u"4 : 2S"));
  EXPECT_EQ(shell.Take().size(), 1u) << "a cancelled chooser says nothing more";

  FaultEnv env;
  env.writeBudget = 10;
  FaultEnv::Scoped scoped(env);
  shell.files.push_back(platform::Utf8ToUtf16(page.string()));
  EXPECT_FALSE(ConfusionSave::Save(shell, kConfusion, u"4 : 2S"));
  const std::vector<std::string> calls = shell.Take();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[1], "error(Tessarion): Error writting file header");
  EXPECT_EQ(calls[2], "info(Tessarion): The confusion file couldn't be written");
}

}  // namespace
