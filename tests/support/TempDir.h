#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder under the system temp folder, removed with everything in it at destruction.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    // The folder with its trailing '/', ready to serve as a data folder.
    const std::string& Path() const { return m_path; }
    std::string File(std::string_view name) const { return m_path + std::string(name); }

    void Write(std::string_view name, std::string_view content) const;
    std::string Read(std::string_view name) const;
    bool Exists(std::string_view name) const;

private:
    std::string m_path;
};
