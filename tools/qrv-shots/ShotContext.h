#pragma once

#include "ScriptedMessages.h"

#include <string>
#include <string_view>

class CDeviceScreen;

// What a group of snapshots works with: a private copy of the data folder (the Bible, help and
// data files linked in, settings files fresh), the device screen, and a message service that
// draws each message box for real before answering it from its queue (OK when nothing is
// queued). Screens are opened with Create() and driven through the same calls as user input.
class CShotContext : public CScriptedMessages {
public:
    CShotContext(CDeviceScreen& screen, std::string outFolder, std::string sourceData);
    ~CShotContext() override;

    // Grabs the whole device screen (240 × 320) into <out>/<name>.png.
    void Save(std::string_view name);
    // The next message box shown is saved as <name>.png before it is answered.
    void SaveNextMessage(std::string_view name);
    // Writes a settings file into the private data folder.
    void WriteDataFile(std::string_view name, std::string_view content);
    // Starts the private data folder over (settings removed, data files linked again).
    void ResetDataFolder();
    const std::string& DataFolder() const { return m_data; }
    int Saved() const { return m_saved; }
    bool Failed() const { return m_failed; }

    int ShowMessage(const MessageRecord& message) override;

private:
    CDeviceScreen& m_screen;
    std::string m_out;
    std::string m_source;
    std::string m_data;
    std::string m_nextMessageShot;
    int m_saved = 0;
    bool m_failed = false;
};

// One group of snapshots per module.
void ShellShots(CShotContext& shots);
void ReaderShots(CShotContext& shots);
void SearchShots(CShotContext& shots);
void BookmarkShots(CShotContext& shots);
