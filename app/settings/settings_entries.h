// The eight entries of the settings file, one per line, by name.
#pragma once
#include <string>

struct SettingsEntries {
    std::string inputDrive;    // 1: the drive list when the input was chosen
    std::string inputFolder;   // 2: the folder of the input
    std::string inputFile;     // 3: the input's name
    std::string outputDrive;   // 4: the drive list when the output was chosen
    std::string outputFolder;  // 5: the output folder
    std::string splitType;     // 6: the chosen split type's index
    std::string sizeOrCount;   // 7: the typed size, or the number of pieces
    std::string unit;          // 8: the size's unit (0 bytes, 1 KB, 2 MB)

    static const int kLines = 8;
    // Entry n, 1 to 8, as the file numbers its lines.
    std::string& line(int n) {
        std::string* entries[] = {&inputDrive, &inputFolder, &inputFile, &outputDrive,
                                  &outputFolder, &splitType, &sizeOrCount, &unit};
        return *entries[n - 1];
    }
    const std::string& line(int n) const { return const_cast<SettingsEntries*>(this)->line(n); }
};
