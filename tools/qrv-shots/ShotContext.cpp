#include "ShotContext.h"

#include "DeviceScreen.h"
#include "MessageBox.h"
#include "WinApp.h"

#include <QCoreApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// Read-only data the screens read; settings files are left out so every run starts fresh.
constexpr const char* kDataFiles[] = {"kbible.dat",  "kbible.inx",   "ebible.dat",
                                      "ebible.inx",  "kHelp.txt",    "hymn.dat",
                                      "counsel.dat", "versicle.dat", "kReadTable.txt"};
} // namespace

CShotContext::CShotContext(CDeviceScreen& screen, std::string outFolder, std::string sourceData)
    : CScriptedMessages([this](const std::string& problem) {
          std::fprintf(stderr, "qrv-shots: %s\n", problem.c_str());
          m_failed = true;
      }),
      m_screen(screen), m_out(std::move(outFolder)), m_source(std::move(sourceData)) {
    std::string pattern = (fs::temp_directory_path() / "qrv-shots-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) {
        m_data = pattern + "/";
    }
    ResetDataFolder();
    SetModuleFileNameForTesting(m_data + "qrvlumen");
}

CShotContext::~CShotContext() {
    std::error_code ec;
    fs::remove_all(m_data, ec);
}

void CShotContext::ResetDataFolder() {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(m_data, ec)) {
        fs::remove_all(entry.path(), ec);
    }
    for (const char* name : kDataFiles) {
        const fs::path source = fs::path(m_source) / name;
        if (fs::exists(source)) {
            fs::copy_file(source, fs::path(m_data) / name, fs::copy_options::overwrite_existing,
                          ec);
        }
    }
}

void CShotContext::WriteDataFile(std::string_view name, std::string_view content) {
    std::ofstream out(m_data + std::string(name), std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

void CShotContext::Save(std::string_view name) {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
    const QString path = QString::fromStdString(m_out + "/" + std::string(name) + ".png");
    if (m_screen.grab().save(path, "PNG")) {
        ++m_saved;
    } else {
        std::fprintf(stderr, "qrv-shots: can't write %s\n", qPrintable(path));
        m_failed = true;
    }
}

void CShotContext::SaveNextMessage(std::string_view name) {
    m_nextMessageShot = name;
}

int CShotContext::ShowMessage(const MessageRecord& message) {
    if (!m_nextMessageShot.empty()) {
        auto* box = new CMessageBox(message, nullptr);
        m_screen.PushMessageLayer(box, QString::fromStdString(message.caption));
        Save(m_nextMessageShot);
        m_screen.RemoveLayer(box);
        delete box;
        m_nextMessageShot.clear();
    }
    if (PendingAnswers() == 0) {
        QueueAnswer((message.style & kMessageButtonsMask) == MB_YESNO ? IDYES : IDOK);
    }
    return CScriptedMessages::ShowMessage(message);
}
