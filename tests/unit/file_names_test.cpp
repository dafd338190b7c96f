// file_names_test.cpp -- a look written on Windows finds its files on Linux: backslashes, letter case,
// and the spaces, underscores and accents that the configuration reader folds away.
#include <gtest/gtest.h>

#include <string>

#include "config/file_names.h"
#include "tests/unit/temp_dir.h"

namespace {

TEST(FindWindowsPath, FindsWhatWindowsWouldFind) {
    TempDir dir;
    std::filesystem::create_directories("Mes Images/Sous Dossier");
    std::filesystem::create_directory("D\xc3\xa9" "cor");  // "Décor", named in UTF-8 as Linux names it
    writeFile("fond.bmp", "fond");
    writeFile("Mes Images/Fond2.bmp", "fond2");
    writeFile("Mes Images/Sous Dossier/Des.BMP", "des");
    writeFile("D\xc3\xa9" "cor/Ciel.bmp", "ciel");
    writeFile("Twice.txt", "first");
    writeFile("twice.TXT", "second");
    const std::string absolute = (dir.path() / "MES IMAGES" / "FOND2.BMP").string();

    const struct {
        const char* written;
        const char* content;  // empty: no file
    } cases[] = {
        {"fond.bmp", "fond"},
        {"FOND.BMP", "fond"},
        {".\\fond.bmp", "fond"},
        {"Mes Images\\Fond2.BMP", "fond2"},
        {"mesimages\\fond2.bmp", "fond2"},          // as the configuration reader leaves it
        {"mes_images/sousdossier\\des.bmp", "des"},  // both separators
        {"d\xe9" "cor\\ciel.bmp", "ciel"},          // "décor" in Windows-1252
        {"Mes Images\\..\\FOND.bmp", "fond"},
        {"TWICE.txt", "first"},                      // the first match in byte order
        {absolute.c_str(), "fond2"},
        {"nowhere\\fond.bmp", ""},
        {"mes images\\absent.bmp", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readFile(findWindowsPath(c.written)), c.content) << c.written;
    }
    EXPECT_EQ(findWindowsPath("nowhere\\Fond.bmp"), "nowhere/Fond.bmp") << "what matches nothing is kept";
}

}  // namespace
