// The number and text rules the game's arithmetic and file parsing rely on.
// Strings hold ISO 8859-1 bytes, one character per byte.
#pragma once
#include <string>

int toint(const std::string& s);  // skips leading blanks; sign; decimal, "%" binary, "$" hex; stops at a non-digit
float tofloat(const std::string& s);
std::string str(int n);
std::string strf(float f);  // six decimals, like "2.750000"
std::string trim(const std::string& s);  // drops codes up to 32 at both ends
std::string mid(const std::string& s, int start, int count = -1);  // characters counted from 1
std::string left(const std::string& s, int n);
std::string right(const std::string& s, int n);
std::string chr(int code);
int asc(const std::string& s);  // code of the first character, -1 for ""
int len(const std::string& s);
std::string upper(const std::string& s);
std::string lower(const std::string& s);
std::string replace(const std::string& s, const std::string& from, const std::string& to);
int instr(const std::string& s, const std::string& find, int start = 1);  // 1-based, 0 when absent
int ftoi(float f);  // truncates toward zero
float sind(float degrees);
float cosd(float degrees);
std::string latin1toutf8(const std::string& s);
std::string utf8tolatin1(const std::string& s);
