// Parsing the command line of zel32.
#include "app/CommandLine.h"

#include "ZelVersion.h"

namespace zel {

namespace {
CommandLine failure(std::string message) {
    CommandLine c;
    c.mode = CommandLine::Mode::Error;
    c.error = std::move(message);
    return c;
}
} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.empty() || a[0] != '-' || a == "-") {
            positional.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
        } else if (a == "--help" || a == "-h") {
            c.mode = CommandLine::Mode::Help;
            return c;
        } else if (a == "--version") {
            c.mode = CommandLine::Mode::Version;
            return c;
        } else if (a == "--convert") {
            if (args.size() - i - 1 != 2) return failure("--convert には入力と出力の 2 つのファイルを指定してください。");
            if (!positional.empty()) return failure("--convert とデータセットは同時に指定できません。");
            c.mode = CommandLine::Mode::Convert;
            c.convertIn = args[i + 1];
            c.convertOut = args[i + 2];
            return c;
        } else if (a == "--chart-gallery") {
            if (args.size() - i - 1 != 1)
                return failure("--chart-gallery には画像を書き出すフォルダを 1 つ指定してください。");
            if (!positional.empty()) return failure("--chart-gallery とデータセットは同時に指定できません。");
            c.mode = CommandLine::Mode::ChartGallery;
            c.galleryDir = args[i + 1];
            return c;
        } else if (a == "--screenshot") {
            if (i + 1 >= args.size()) return failure("--screenshot には保存する PNG ファイルを指定してください。");
            c.screenshot = args[++i];
        } else {
            return failure("不明なオプションです: " + a);
        }
    }
    if (positional.size() > 1) return failure("開けるデータセットは 1 つだけです。");
    if (!positional.empty()) c.dataset = positional.front();
    return c;
}

std::string usageText() {
    return "Usage:\n"
           "  zel32 [DATASET]          start ZEL, opening DATASET (.QCS, .QCN or .QCK)\n"
           "  zel32 --convert IN OUT   convert between a dataset and a .csv file\n"
           "  zel32 --screenshot PNG [DATASET]\n"
           "                           start ZEL, save a picture of the screen to PNG and end\n"
           "  zel32 --chart-gallery DIR\n"
           "                           draw every chart kind into DIR as PNG files with index.html\n"
           "  zel32 --help             show this help\n"
           "  zel32 --version          show the version\n";
}

std::string versionMessage() {
    return "zel32 " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

} // namespace zel
