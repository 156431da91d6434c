#pragma once

// Which chapter view; the values are those of g_activeLanguage.
enum class ViewLanguage { Korean = 1, English = 2 };
