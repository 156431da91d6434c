#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The full-data folder that the fulldata_build test fills with qrv-data: the value of
// QRV_FULLDATA_DIR with a trailing '/', or "" when it is unset or not a folder.
std::string FullDataFolder();

// Full path of a file of the full-data folder, or "" when the folder or the file is missing.
std::string FullDataFile(std::string_view fileName);

// Why a full-data test has to skip, naming the folder and the first missing file; "" when every
// file is there. Use: if (auto why = FullDataSkipReason({"kbible.dat"}); !why.empty())
// GTEST_SKIP() << why;
std::string FullDataSkipReason(std::initializer_list<std::string_view> fileNames);

// Loads both Bibles of the full-data folder into the scripture store as the launcher does (data
// folder, text paths, chapter keys, both offset tables). The skip reason, or "" when loaded.
std::string LoadFullDataBibles();
