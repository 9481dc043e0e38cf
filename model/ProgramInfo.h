#pragma once
// The program's contact addresses, shown on the graphs and in the window.

namespace vantorel {

inline constexpr const char* ProgramWebAddress = "www.vantorel.example.org";
inline constexpr const char* ProgramEmailAddress = "info@vantorel.example.org";

}  // namespace vantorel
