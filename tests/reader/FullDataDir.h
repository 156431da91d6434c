#pragma once

#include <string>
#include <string_view>

// The real data folder of the full-data tests, from QRV_FULLDATA_DIR ("" when unset), with a
// trailing '/'.
std::string FullDataDir();

// Loads both Bibles of the full data folder into the scripture store. False, with the reason
// for skipping, when the folder or one of the four files is missing.
bool LoadFullDataBibles(std::string& whyNot);
