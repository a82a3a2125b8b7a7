#pragma once

class TForm1;
class TFormParSetting;

// Sets the interface texts that are made in code once at start-up: the main
// window's port label, the settings editor's event row labels from the event
// catalogue, and the main window's caption with the program and data version.
void SetInterfaceTexts(TForm1& mainWindow, TFormParSetting& editor);
