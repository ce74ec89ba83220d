// playtest: runs skyrun headless from a key script and writes chosen frames as PNG.
#include "BotPlayer.h"
#include "HeadlessGame.h"
#include "KeyScript.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

const char* kUsage =
    "usage: playtest --dir DIST [--frames N] [--ms-per-frame M] [--keys FILE] [--start SCREEN]\n"
    "                [--set FIELD=VALUE]... [--shot FRAME=FILE.png]... [--shots-every K --shot-dir DIR] [--bot]\n"
    "Runs the game headless in DIST on a virtual clock (from 100000000 ms, M ms a frame, default 17)\n"
    "for N frames (default 600) or until it quits. Frames count from 0; a shot of frame F is the\n"
    "picture that frame presented. Key file lines: 'FRAME down|up|tap KEY', '#' comments.\n"
    "--bot plays the screens that have a bot (keys from --keys still apply on top).\n";

struct Options {
    std::string dir;
    int frames = 600;
    int msPerFrame = 17;
    std::string keysFile;
    std::string startScreen;
    std::vector<std::pair<std::string, std::string>> fields;
    std::map<int, std::string> shots;
    int shotsEvery = 0;
    std::string shotDir;
    bool bot = false;
};

bool ParseNumber(const std::string& text, int& value)
{
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || parsed < 0)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool SplitPair(const std::string& text, std::string& left, std::string& right)
{
    std::string::size_type equals = text.find('=');
    if (equals == std::string::npos || equals == 0)
        return false;
    left = text.substr(0, equals);
    right = text.substr(equals + 1);
    return true;
}

std::string Absolute(const std::string& path)
{
    return std::filesystem::absolute(path).string();
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        std::string option = argv[i];
        if (option == "--bot") {
            options.bot = true;
            continue;
        }
        if (i + 1 >= argc)
            return false;
        std::string value = argv[++i];
        std::string left, right;
        if (option == "--dir") {
            options.dir = value;
        } else if (option == "--frames") {
            if (!ParseNumber(value, options.frames))
                return false;
        } else if (option == "--ms-per-frame") {
            if (!ParseNumber(value, options.msPerFrame))
                return false;
        } else if (option == "--keys") {
            options.keysFile = value;
        } else if (option == "--start") {
            options.startScreen = value;
        } else if (option == "--set") {
            if (!SplitPair(value, left, right))
                return false;
            options.fields.emplace_back(left, right);
        } else if (option == "--shot") {
            int frame = 0;
            if (!SplitPair(value, left, right) || !ParseNumber(left, frame))
                return false;
            options.shots[frame] = Absolute(right);
        } else if (option == "--shots-every") {
            if (!ParseNumber(value, options.shotsEvery))
                return false;
        } else if (option == "--shot-dir") {
            options.shotDir = Absolute(value);
        } else {
            return false;
        }
    }
    return !options.dir.empty() && (options.shotsEvery == 0 || !options.shotDir.empty());
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    KeyScript keys;
    std::string error;
    if (!options.keysFile.empty() && !keys.Load(options.keysFile, error)) {
        std::cerr << "playtest: " << error << "\n";
        return 2;
    }
    for (const auto& [field, value] : options.fields) {
        if (!HeadlessGame::SetPlayerField(field, value)) {
            std::cerr << "playtest: cannot set " << field << "=" << value << "\n";
            return 2;
        }
    }
    if (!options.shotDir.empty())
        std::filesystem::create_directories(options.shotDir);

    HeadlessGame game(options.dir, static_cast<uint32_t>(options.msPerFrame));
    if (!game.Start(options.startScreen)) {
        std::cerr << "playtest: cannot start " << (options.startScreen.empty() ? "the game" : options.startScreen)
                  << " in " << options.dir << "\n";
        return 2;
    }

    BotPlayer bot;
    for (int frame = 0; frame < options.frames; ++frame) {
        if (options.bot)
            bot.BeforeFrame(game);
        if (!game.Step(keys))
            break;
        auto shot = options.shots.find(frame);
        if (shot != options.shots.end() && !game.SaveShot(shot->second))
            std::cerr << "playtest: cannot write " << shot->second << "\n";
        if (options.shotsEvery > 0 && frame % options.shotsEvery == 0) {
            char name[32];
            std::snprintf(name, sizeof name, "/frame%05d.png", frame);
            game.SaveShot(options.shotDir + name);
        }
    }

    std::string screen = game.CurrentScreenName();
    game.Finish();
    std::cout << "screen " << screen << "\n";
    std::cout << "frames " << game.FramesRun() << "\n";
    std::cout << HeadlessGame::PlayerLine() << "\n";
    for (const std::string& command : game.LaunchedCommands())
        std::cout << "launch " << command << "\n";
    return 0;
}
