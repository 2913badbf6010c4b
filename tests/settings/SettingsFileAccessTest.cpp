// The layout file on disk, through the buttons' operations: beside the executable, CR LF line
// ends, and loading that begins with the arrangement.
#include <fstream>
#include <iterator>

#include "ConsoleApi.h"
#include "OverlayTestSupport.h"
#include "SettingsBar.h"

using kztest::OverlayTest;
using twdouble::barParam;
using V = std::vector<int>;

namespace {

class SettingsFileAccess : public OverlayTest {
  protected:
    std::string path;

    void SetUp() override {
        path = executableDirectory() + "KZConsole.cfg";
        std::remove(path.c_str());
        present();  // the overlay and its settings bar
    }
    void TearDown() override { std::remove(path.c_str()); }

    static void place(const char* bar, int x, int y, int w, int h) {
        const int position[2] = {x, y}, size[2] = {w, h};
        TwSetParam(TwGetBarByName(bar), nullptr, "position", TW_PARAM_INT32, 2, position);
        TwSetParam(TwGetBarByName(bar), nullptr, "size", TW_PARAM_INT32, 2, size);
    }
    std::string fileBytes() const {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
};

TEST_F(SettingsFileAccess, TheDirectoryIsTheExecutablesWithItsBackslash) {
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string directory = executableDirectory();
    ASSERT_FALSE(directory.empty());
    EXPECT_EQ(directory.back(), '\\');
    EXPECT_EQ(std::string(module).rfind(directory, 0), 0u);
    EXPECT_EQ(std::string(module).find('\\', directory.size()), std::string::npos);
}

TEST_F(SettingsFileAccess, SavingWritesTheExampleByteForByte) {
    ConsoleAddBar("tweaks", "Tweaks");
    const int alpha = 200;
    TwSetParam(TwGetBarByName("settings"), "", "alpha", TW_PARAM_INT32, 1, &alpha);
    place("settings", 25, 25, 930, 1030);
    place("tweaks", 600, 40, 320, 480);
    saveSettings(nullptr);
    const std::string bytes = fileBytes();
    EXPECT_EQ(bytes.size(), 79u);
    EXPECT_EQ(bytes,
              "General\r\n\t200\r\nsettings\r\n\t25\r\n\t25\r\n\t930\r\n\t1030\r\n"
              "tweaks\r\n\t600\r\n\t40\r\n\t320\r\n\t480\r\n");
}

TEST_F(SettingsFileAccess, LoadingAppliesTheFileOverTheArrangement) {
    ConsoleAddBar("tweaks", "Tweaks");
    ConsoleAddBar("unnamed", "In no file");
    std::ofstream(path) << "General\n\t90\ntweaks\n\t300\n\t40\n\t200\n\t100\n";
    ConsoleLoadSettings();
    EXPECT_EQ(barParam("tweaks", "position"), (V{300, 40}));
    EXPECT_EQ(barParam("tweaks", "size"), (V{200, 100}));
    // The bars not in the file stay arranged over the window's client area.
    RECT client;
    GetClientRect(window.window(), &client);
    const int width = (client.right - 50 - 2 * 10) / 3;
    EXPECT_EQ(barParam("settings", "position"), (V{25, 25}));
    EXPECT_EQ(barParam("unnamed", "position"), (V{25 + 2 * (width + 10), 25}));
    EXPECT_EQ(barParam("unnamed", "size"), (V{width, client.bottom - 50}));
    for (const char* bar : {"settings", "tweaks", "unnamed"})
        EXPECT_EQ(barParam(bar, "alpha"), V{90});
}

TEST_F(SettingsFileAccess, AFileThatCannotBeWrittenIsLeftAsItWas) {
    // A directory in the file's place cannot be opened for writing, nor read as a file.
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    saveSettings(nullptr);
    loadSettings(nullptr);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              DWORD(FILE_ATTRIBUTE_DIRECTORY));
    RemoveDirectoryA(path.c_str());
    EXPECT_EQ(barParam("settings", "position"), (V{25, 25}));
}

}  // namespace
