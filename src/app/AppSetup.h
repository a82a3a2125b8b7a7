#pragma once

// What the program sets up before its first window.

// The application's name, and that closing the last visible window does not
// end the program (the hidden splash window does). No display name is set:
// the window system would append it to every window's title. The wheel guard
// keeps the mouse wheel from changing controls that do not have the focus,
// in every window.
void configureApplication();

// False, after telling the installer why in an error box, when this build
// cannot convert windows-1250 text: the program would corrupt names.
bool codePageReady();

class SessionLog;
class QString;

// Opens the support log the installer asked for; false, after saying why in
// an error box, when the file cannot be written.
bool openSessionLog(SessionLog& log, const QString& path);
