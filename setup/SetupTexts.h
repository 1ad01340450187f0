#pragma once
// The fixed names and the texts setup shows.

#include <string>

inline constexpr const char* kProductName = "Quillmar";
// The program file that is installed: the build's executable.
inline constexpr const char* kProgramFile = "Quillmar";
inline constexpr const char* kSetupTitle = "Quillmar Setup";
inline constexpr const char* kBackupSuffix = " Old Vers";
// Below the chosen drive's root.
inline constexpr const char* kDefaultFolder = "opt/Tolvane/Quillmar";

// The publisher's identification, three lines.
inline constexpr const char* kIdentificationLines =
    "Tolvane\nYear-end wage statements for small employers\nQuillmar Setup " SETUP_VERSION;

inline constexpr const char* kAlreadyRunningText =
    "Setup is already running. Click OK then press Alt Tab until you find it.";

inline constexpr const char* kAboutCaption = "About Quillmar Setup";
inline constexpr const char* kAboutText =
    "Quillmar is a 32 bit Windows application which can be run from Windows 95/98/NT and "
    "above.  It will not run on 16 bit Windows 3.1";

inline constexpr const char* kWarningCaption = "Be sure Quillmar is not running";
inline constexpr const char* kWarningText =
    "To avoid file access errors it is important that no copies of Quillmar are actually "
    "running while the new version is being installed.\n\n"
    "If you are not sure then press and hold down the Alt key while repeatedly pressing the Tab "
    "key. In both Windows 3.1 and Windows 95/98 this will cycle through all currently running "
    "applications.  Windows 95/98 users can also check the items on the Taskbar (usually along "
    "the bottom of the desktop).\n\n"
    "If Quillmar is running make it active then exit all the way out of it.\n\n";

inline constexpr const char* kIntroCaption = "Cancel to Stop else OK to continue";
inline constexpr const char* kIntroText =
    "If you started this program in error you can click on Cancel to stop now, or click on OK "
    "to continue with the installation.\n\n"
    "If you continue and you have more than one hard disk drive your drives will be listed and "
    "you can select which one to use for the install. The target drive will then be searched for "
    "any existing installation of this program. This search may take a few minutes.  If found "
    "the existing will be upgraded, if not found this will be assumed to be a new installation "
    "and the programs will be placed in a sub directory of the \"\\Program Files\\Tolvane\" "
    "directory of the target drive. This directory (folder) will be created if it does not "
    "exist.\n\n"
    "Other Tolvane programs already on this computer are not changed by this setup; each of "
    "them keeps its own folder and its own icons.";

inline constexpr const char* kNoDrivesText = "No hard disk drives found to install to.";
inline constexpr const char* kNotUpgradeCaption = "Not an Upgrade";
inline constexpr const char* kNotUpgradeText =
    "No existing program found on target disk, assuming complete new installation required.";
inline constexpr const char* kUpgradeCaption = "Upgrade of Existing";
inline constexpr const char* kUpgradePrefix = "Upgrading existing program found at ";

inline constexpr const char* kNotOfferedCaption = "Not Upgraded";

inline constexpr const char* kMissingCaption = "Program Missing";
inline constexpr const char* kInstallFailedCaption = "Install Failed";
inline constexpr const char* kInstallFailedText =
    "Installation FAILED, unable to create directory. If network drive use signon with rights to "
    "create directories and try again.";
inline constexpr const char* kNoFolderCaption = "Cannot access directory";
inline constexpr const char* kMoveFailedCaption = "File Move Failed";
inline constexpr const char* kCopyErrorCaption = "Setup - Copy Error";
inline constexpr const char* kRestoredSentence =
    "The earlier version has been restored so you still have something to work with until the "
    "install can be repeated.";

inline std::string ProgramMissingText(const std::string& program) {
  return "Program to be installed \"" + program + "\" is missing. There is nothing to install.";
}
// The copies found in folders that other users can change: never upgraded
// (the menu entry would start whatever they put there).
inline std::string NotOfferedText(const std::string& copies) {
  return "Not upgrading the copy found at " + copies +
         ": its folder belongs to another user or other users can change it. A new copy is "
         "installed instead.";
}
inline std::string NoFolderText(const std::string& folder) {
  return "Cannot access or create directory (folder) " + folder +
         " - may result in failure of install or use of an alternate folder.";
}
inline std::string MoveFailedText(const std::string& from, const std::string& to) {
  return std::string("Unable to move ") + kProgramFile + " file from " + from + " to preferred " +
         to +
         " Setting up icon to start program where it is now. Manually change icon properties if "
         "you move the program.";
}
inline std::string CopyFailedText(const std::string& from, const std::string& to) {
  return "Copy of " + from + " to " + to +
         " failed. You need to find out why then do the install over again.";
}
