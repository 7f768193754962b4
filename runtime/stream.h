// Byte streams over files with the game's exact rules, and a few file-system calls.
// Paths use "\" or "/" and resolve without regard to letter case.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct StreamData;
using Stream = std::shared_ptr<StreamData>;  // null when opening failed

std::string ResolvePath(const std::string& path);  // the real path on disk ("" parts kept as given)
// Where a path's leading "data" part points: "" keeps it relative to the working folder,
// otherwise "data\ui\logo.png" resolves to <folder>/ui/logo.png. Set once at start-up.
void SetDataFolder(const std::string& folder);
const std::string& DataFolder();
Stream ReadFile(const std::string& path);
// Writes go to a temporary file beside the target; CloseFile renames it over the old copy,
// so a crash or a full disk mid-write leaves the previous file intact.
Stream WriteFile(const std::string& path);
bool CloseFile(Stream& stream);  // false when a write failed (the old file is kept)
int ReadInt(const Stream& s);   // 32-bit little-endian; 0 past the end (the stream is marked failed)
void WriteInt(const Stream& s, int n);
int ReadByte(const Stream& s);
void WriteByte(const Stream& s, int n);
float ReadFloat(const Stream& s);
void WriteFloat(const Stream& s, float f);
std::string ReadLine(const Stream& s);  // up to LF, NUL or end; CR dropped; bytes are ISO 8859-1
void WriteLine(const Stream& s, const std::string& text);  // text then CR LF
std::string ReadString(const Stream& s, int n);
void WriteString(const Stream& s, const std::string& text);
int Eof(const Stream& s);
bool StreamFailed(const Stream& s);  // a read ran past the end or a write failed
int StreamSize(const Stream& s);
int StreamPos(const Stream& s);
void SeekStream(const Stream& s, int pos);
std::vector<uint8_t> ReadAllBytes(const std::string& path, bool& ok);

int FileType(const std::string& path);  // 0 nothing, 1 file, 2 folder
bool CreateDir(const std::string& path, int recurse);
bool DeleteFile(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);  // in one step; the target is replaced
bool WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes);
void Print(const std::string& text);  // a trace line on standard output
std::string AppDir();  // the executable's folder, with a trailing "/"
bool ChangeDir(const std::string& path);
