// The remembered window: a file the player or a crash may have spoiled never stops the
// game, each value is judged on its own, and a save replaces the file whole or not at all.
#include "platform/Settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
std::string textOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct SettingsFile : testing::Test {
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("epee-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::path file = folder / "epee-legendaire" / "settings.ini";
    void SetUp() override { std::filesystem::remove_all(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }
};
} // namespace

TEST(Settings, SpoiledValuesAreIgnoredOneByOne) {
    ReadSettings good =
        parseSettings("[window]\nfullscreen=1\nwidth=1127\nheight=900\nparole = 0\n");
    EXPECT_EQ(good.problems, "");
    EXPECT_EQ(good.settings.fullscreen, true);
    EXPECT_EQ(good.settings.parole, false);
    EXPECT_EQ(std::pair(good.settings.width, good.settings.height),
              std::pair(std::optional(1127), std::optional(900)));

    struct Case {
        const char* text;
        std::optional<bool> fullscreen;
        bool sized;
    };
    for (auto [text, fullscreen, sized] : {
             Case{"fullscreen=1\nwidth=0\nheight=900\n", true, false},
             Case{"fullscreen=yes\nwidth=800\nheight=640\n", std::nullopt, true},
             Case{"width=100000\nheight=900\nfullscreen=0", false, false},
             Case{"width=80O\nheight=640\n", std::nullopt, false},
             Case{"width=-800\nheight=640\n", std::nullopt, false},
             Case{"width=800\nheight=99999999999999999999\n", std::nullopt, false},
             Case{"width=800", std::nullopt, false}, // the file cut short
             Case{"\x01\xff\xfe garbage \n\0\0\0=", std::nullopt, false},
             Case{"fullscreen=1\nwidth=800\nheight=640\ncolour=red\n", true, true},
             Case{"fullscreen=1\nwidth=800\nheight=640\nparole=oui\n", true, true},
         }) {
        ReadSettings read = parseSettings(text);
        EXPECT_NE(read.problems, "") << text;
        EXPECT_EQ(read.settings.fullscreen, fullscreen) << text;
        EXPECT_FALSE(read.settings.parole) << text;
        EXPECT_EQ(read.settings.width.has_value() && read.settings.height.has_value(), sized)
            << text;
    }
}

// A window narrower than a quarter of the play area (751 × 600) or wider than any screen
// is refused; the sizes just inside are kept.
TEST(Settings, SizesAreKeptUpToTheEdgesOfTheirRangesAndRefusedPastThem) {
    struct Edge {
        int width, height;
        bool kept;
    };
    for (auto [width, height, kept] :
         {Edge{187, 600, true}, Edge{186, 600, false}, Edge{16384, 600, true},
          Edge{16385, 600, false}, Edge{751, 150, true}, Edge{751, 149, false},
          Edge{751, 16384, true}, Edge{751, 16385, false}}) {
        const std::string text =
            "width=" + std::to_string(width) + "\nheight=" + std::to_string(height) + "\n";
        ReadSettings read = parseSettings(text);
        EXPECT_EQ(read.problems.empty(), kept) << text << read.problems;
        EXPECT_EQ(read.settings.width, kept ? std::optional(width) : std::nullopt) << text;
        EXPECT_EQ(read.settings.height, kept ? std::optional(height) : std::nullopt) << text;
    }
}

TEST_F(SettingsFile, IsWrittenWholeAndReadBack) {
    EXPECT_EQ(loadSettings(file).problems, "") << "a first run has no file, and that is fine";
    ASSERT_EQ(saveSettings(file, {false, 1502, 1200, true}), "");
    ReadSettings read = loadSettings(file);
    EXPECT_EQ(read.problems, "");
    EXPECT_EQ(read.settings.fullscreen, false);
    EXPECT_EQ(read.settings.parole, true);
    EXPECT_EQ(read.settings.width, 1502);
    ASSERT_EQ(saveSettings(file, {true, 751, 600}), "");
    EXPECT_EQ(loadSettings(file).settings.width, 751);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1)
        << "no temporary file is left behind";

    // A save that cannot be made leaves the previous file as it was.
    const std::string before = textOf(file);
    std::filesystem::create_directory(folder / "blocked");
    std::ofstream(folder / "blocked" / "epee-legendaire") << "a file where a folder should be";
    EXPECT_NE(
        saveSettings(folder / "blocked" / "epee-legendaire" / "settings.ini", {true, 800, 640}),
        "");
    EXPECT_EQ(textOf(file), before);

    // A file that is not one, or far too large, is not read.
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_NE(loadSettings(file).problems, "");
    std::filesystem::remove(file);
    std::ofstream(file) << std::string(100000, '#');
    EXPECT_NE(loadSettings(file).problems, "");
    EXPECT_FALSE(loadSettings(file).settings.width);
    // A file of 4096 bytes is still read; one byte more and it is not.
    const std::string size = "\nwidth=800\nheight=640\n";
    for (auto [bytes, read] : {std::pair{4096, true}, {4097, false}}) {
        std::ofstream(file, std::ios::binary) << std::string(bytes - size.size(), '#') + size;
        EXPECT_EQ(loadSettings(file).settings.width, read ? std::optional(800) : std::nullopt)
            << bytes << " bytes";
    }
}

// Saving the window rewrites its own lines only: the player's keys, comments and whatever
// else the file holds stay as written, and a player without a file gets no keys written.
TEST_F(SettingsFile, SavingTheWindowKeepsWhatThePlayerWrote) {
    ASSERT_EQ(saveSettings(file, {false, 1502, 1200}), "");
    EXPECT_EQ(textOf(file).find("touches"), std::string::npos) << textOf(file);
    const std::string keys = "[Touches]\n# my left hand\nhaut = Z\nbas = Flèche\n\n"
                             "manette_action = b\n";
    std::ofstream(file, std::ios::binary)
        << "# mine\n[window]\nwidth=800\nheight=640\nparole = 1\nfullscreen=1\n" + keys;
    ReadSettings read = loadSettings(file);
    ASSERT_EQ(read.touches.size(), 3u);
    EXPECT_EQ(read.touches[1], (SettingLine{"bas", "Flèche"}));
    ASSERT_EQ(saveSettings(file, {false, 1127, 900}, *read.text), "");
    const std::string saved = textOf(file);
    EXPECT_NE(saved.find(keys), std::string::npos) << saved;
    for (const char* line : {"# mine\n", "parole = 1\n", "fullscreen=0\n", "width=1127\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in " << saved;
    EXPECT_EQ(saved.find("800"), std::string::npos) << saved;
    // Saved again, the file stays as it is.
    ASSERT_EQ(saveSettings(file, {false, 1127, 900}, saved), "");
    EXPECT_EQ(textOf(file), saved);
    EXPECT_EQ(loadSettings(file).touches, read.touches);
}

#ifdef _WIN32
TEST(Settings, LiveInTheUsersApplicationData) {
    _putenv_s("APPDATA", "C:\\Users\\Hélène\\AppData\\Roaming");
    EXPECT_EQ(settingsPath(), std::filesystem::path("C:\\Users\\Hélène\\AppData\\Roaming") /
                                  "epee-legendaire" / "settings.ini");
}
#else
TEST(Settings, LiveWhereTheDesktopKeepsConfiguration) {
    setenv("XDG_CONFIG_HOME", "/tmp/conf", 1);
    EXPECT_EQ(settingsPath(), "/tmp/conf/epee-legendaire/settings.ini");
    setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    setenv("HOME", "/home/joueur", 1);
    EXPECT_EQ(settingsPath(), "/home/joueur/.config/epee-legendaire/settings.ini");
}
#endif
