// Tests of the file dialogs' window-free rules: the extension pattern and the
// matching of file names, the clicked-file name, the base path, the typed name
// check, drives and folder chains, the sample-count check, the default variable
// names and the texts of the delete question and the save notice.
#include "dataset/FileDialogRules.h"

#include <gtest/gtest.h>

namespace zel {
namespace {

TEST(FilePatternTest, FollowsTheTwoExtensionBoxes) {
    EXPECT_EQ(filePattern(true, false), "*.QCS");
    EXPECT_EQ(filePattern(false, true), "*.QCN");
    EXPECT_EQ(filePattern(true, true), "*.QCS;*.QCN");
    EXPECT_EQ(filePattern(false, false), "*.*");
}

TEST(FilePatternTest, MatchesNamesOfEachPart) {
    EXPECT_TRUE(matchesPattern("data.QCS", "*.QCS"));
    EXPECT_TRUE(matchesPattern("data.qcs", "*.QCS")); // extensions match in any case
    EXPECT_FALSE(matchesPattern("data.QCN", "*.QCS"));
    EXPECT_FALSE(matchesPattern("data.QCK", "*.QCS;*.QCN"));
    EXPECT_TRUE(matchesPattern("data.QCN", "*.QCS;*.QCN"));
    EXPECT_TRUE(matchesPattern("data.QCS", "*.QCS;*.QCN"));
    EXPECT_FALSE(matchesPattern("data.QCSX", "*.QCS"));
    EXPECT_FALSE(matchesPattern("dataQCS", "*.QCS"));
    EXPECT_TRUE(matchesPattern("測定.QCS", "*.QCS"));
    // "*.*" stands for every file, also one without a dot.
    EXPECT_TRUE(matchesPattern("README", "*.*"));
    EXPECT_TRUE(matchesPattern("a.b.c", "*.*"));
    // The refresh pattern shows nothing of a dataset.
    EXPECT_FALSE(matchesPattern("data.QCS", "*.000"));
    EXPECT_TRUE(matchesPattern("ab.QCS", "a?.QCS"));
    EXPECT_FALSE(matchesPattern("abc.QCS", "a?.QCS"));
    EXPECT_TRUE(matchesPattern("測.QCS", "?.QCS")); // '?' is one character, not one byte
    EXPECT_FALSE(matchesPattern("x.QCS", ""));
}

TEST(FileClickTest, DropsAFourCharacterExtension) {
    EXPECT_EQ(nameFromFileClick("data.QCS"), "data");
    EXPECT_EQ(nameFromFileClick("a.b.QCN"), "a.b");
    EXPECT_EQ(nameFromFileClick(".QCS"), "");
    EXPECT_EQ(nameFromFileClick("測定値.QCS"), "測定値");
    // Three characters or fewer, or no dot in that place: taken whole.
    EXPECT_EQ(nameFromFileClick("abc"), "abc");
    EXPECT_EQ(nameFromFileClick("ab"), "ab");
    EXPECT_EQ(nameFromFileClick("data.QC"), "data.QC");
    EXPECT_EQ(nameFromFileClick("data.QCSX"), "data.QCSX");
    // Counted in characters: the fourth character from the end of "あ.いうえ" is ".".
    EXPECT_EQ(nameFromFileClick("あ.いうえ"), "あ");
    EXPECT_EQ(nameFromFileClick("いうえお"), "いうえお");
}

TEST(DatasetNameTest, ATypedDatasetEndingIsTakenOff) {
    EXPECT_EQ(datasetName("lot.QCS"), "lot");
    EXPECT_EQ(datasetName("lot.QCN"), "lot");
    EXPECT_EQ(datasetName("lot.qck"), "lot");
    EXPECT_EQ(datasetName("寸法.Qcs"), "寸法");
    EXPECT_EQ(datasetName("lot.QCS.QCS"), "lot.QCS"); // one ending, as one file name has
    // Other endings and bare endings stay.
    EXPECT_EQ(datasetName("lot.csv"), "lot.csv");
    EXPECT_EQ(datasetName("lot.QC"), "lot.QC");
    EXPECT_EQ(datasetName("lotQCS"), "lotQCS");
    EXPECT_EQ(datasetName(".QCS"), ".QCS");
    EXPECT_EQ(datasetName(""), "");
}

TEST(BasePathTest, JoinsFolderAndNameWithOneSeparator) {
    EXPECT_EQ(basePathFor("/home/u", "data"), "/home/u/data");
    EXPECT_EQ(basePathFor("/", "data"), "/data");
    EXPECT_EQ(basePathFor("/home/u/", "data"), "/home/u/data");
}

TEST(NameCheckTest, EmptySeparatorEndedAndInnerSeparators) {
    EXPECT_EQ(checkFileName("data"), NameCheck::Usable);
    EXPECT_EQ(checkFileName("data.v2"), NameCheck::Usable);
    EXPECT_EQ(checkFileName(""), NameCheck::Empty);
    EXPECT_EQ(checkFileName("data/"), NameCheck::EndsInSeparator);
    EXPECT_EQ(checkFileName("data\\"), NameCheck::EndsInSeparator);
    EXPECT_EQ(checkFileName("../data"), NameCheck::HasSeparator);
    EXPECT_EQ(checkFileName("a\\b"), NameCheck::HasSeparator);
}

TEST(DriveTest, TwoCharacterFormAndTheRootHoldingAFolder) {
    EXPECT_EQ(driveText("/home/user"), "/h");
    EXPECT_EQ(driveText("/"), "/");
    EXPECT_EQ(driveText("/測定"), "/測");
    const std::vector<std::string> roots{"/", "/home", "/home/user", "/media/usb"};
    EXPECT_EQ(driveOfFolder(roots, "/home/user/data"), "/home/user");
    EXPECT_EQ(driveOfFolder(roots, "/home/other"), "/home");
    EXPECT_EQ(driveOfFolder(roots, "/homework"), "/"); // a name prefix is no ancestor
    EXPECT_EQ(driveOfFolder(roots, "/media/usb"), "/media/usb");
    EXPECT_EQ(driveOfFolder({"/media/usb"}, "/tmp"), "");
    // The folder decides when given; otherwise the stored two characters.
    EXPECT_EQ(rootForDrive(roots, "/h", "/media/usb/x"), "/media/usb");
    EXPECT_EQ(rootForDrive(roots, "/m", ""), "/media/usb");
    EXPECT_EQ(rootForDrive(roots, "/h", ""), "/home");
    EXPECT_EQ(rootForDrive(roots, "/x", ""), "");
    EXPECT_EQ(rootForDrive(roots, "", ""), "");
}

TEST(FolderChainTest, FromTheRootDownToTheFolder) {
    EXPECT_EQ(folderChain("/home/u/data"),
              (std::vector<std::string>{"/", "/home", "/home/u", "/home/u/data"}));
    EXPECT_EQ(folderChain("/"), (std::vector<std::string>{"/"}));
    EXPECT_EQ(folderChain("/a//b/"), (std::vector<std::string>{"/", "/a", "/a//b"}));
    EXPECT_TRUE(folderChain("").empty());
}

TEST(SampleCountTest, BelowTwoAboveTheLimitAndRounding) {
    EXPECT_EQ(checkSampleCount("1").check, SampleCountCheck::TooFew);
    EXPECT_EQ(checkSampleCount("abc").check, SampleCountCheck::TooFew);
    EXPECT_EQ(checkSampleCount("").check, SampleCountCheck::TooFew);
    EXPECT_EQ(checkSampleCount("-5").check, SampleCountCheck::TooFew);
    EXPECT_EQ(checkSampleCount("1.99").check, SampleCountCheck::TooFew);

    EXPECT_EQ(checkSampleCount("2").samples, 2);
    EXPECT_EQ(checkSampleCount("2.5").samples, 2); // halves to even
    EXPECT_EQ(checkSampleCount("3.5").samples, 4);
    EXPECT_EQ(checkSampleCount(" 1 0 ").samples, 10); // blanks are ignored
    EXPECT_EQ(checkSampleCount("12abc").samples, 12);

    EXPECT_EQ(checkSampleCount("32767").check, SampleCountCheck::Ok);
    EXPECT_EQ(checkSampleCount("32767").samples, 32767);
    EXPECT_EQ(checkSampleCount("32767.5").check, SampleCountCheck::TooMany); // rounds to 32768
    EXPECT_EQ(checkSampleCount("32768").check, SampleCountCheck::TooMany);
    EXPECT_EQ(checkSampleCount("1E+300").check, SampleCountCheck::TooMany);
    // Beyond the range of a real the parse gives no number at all.
    EXPECT_EQ(checkSampleCount("1E+999").check, SampleCountCheck::TooFew);
}

TEST(DefaultVariableNameTest, CharacterCodesFromA) {
    EXPECT_EQ(defaultVariableName(1), "A");
    EXPECT_EQ(defaultVariableName(3), "C");
    EXPECT_EQ(defaultVariableName(26), "Z");
    EXPECT_EQ(defaultVariableName(27), "[");
    EXPECT_EQ(defaultVariableName(28), "\\"); // code page 932 keeps 0x5C a backslash
    EXPECT_EQ(defaultVariableName(33), "a");
    EXPECT_EQ(defaultVariableName(62), "~");
    EXPECT_EQ(defaultVariableName(63), "");   // DEL is no character
    EXPECT_EQ(defaultVariableName(97), "｡");  // 0xA1, half-width katakana block
    EXPECT_EQ(defaultVariableName(100), "､"); // 0xA4
}

TEST(FileTextsTest, DeleteQuestionAndSaveNotice) {
    EXPECT_EQ(deleteQuestion({}), "");
    EXPECT_EQ(deleteQuestion({"/d/a.QCN"}), "以下のファイルを削除します。\r/d/a.QCN\rよろしいですか？");
    EXPECT_EQ(deleteQuestion({"/d/a.QCK", "/d/a.QCN", "/d/a.QCS"}),
              "以下のファイルを削除します。\r/d/a.QCK\r/d/a.QCN\r/d/a.QCS\rよろしいですか？");
    EXPECT_EQ(savedInPlaceNotice("/home/u/data"), "フィル名 /home/u/data に保存を行いました。");
}

} // namespace
} // namespace zel
