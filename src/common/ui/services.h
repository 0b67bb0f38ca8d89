// Help file and exit tune: the two small services every window may use.
#pragma once

#include <QString>

class QWidget;

namespace tessaly {

inline constexpr const char* kHelpFileName = "TessalyHelp.CHM";
inline constexpr const char* kTuneAlias = "tune1";

// The folder that holds the executable.
QString ProgramFolder();

// A file or folder the program ships, by its path relative to the data folder
// ("music/END.MID", "examples"): next to the executable (the build tree), else under the
// installation prefix's share/tessaly beside the executable's bin folder. The empty text
// when neither exists.
QString ShippedFile(const QString& relativePath);
// The same lookup for an executable in `programFolder`.
QString ShippedFileFrom(const QString& programFolder, const QString& relativePath);

// Opens the help file under the shipped "Help" folder with the desktop's handler
// for it when both exist; otherwise opens the user guide built into the program at the page
// of the owner's window (the start page for the main window). Every failure is silent.
void ShowHelpFile(QWidget* owner, const QString& helpFileName);

// Plays a MIDI file through a MIDI player found on the system (timidity or fluidsynth,
// started as a child process) under the alias. Stops what played under the alias first.
// Returns whether playing started; never reports anything.
bool PlayTune(const QString& filePath, const QString& alias);

// Stops and releases what plays under the alias; silent when nothing does.
void StopTune(const QString& alias);

}  // namespace tessaly
