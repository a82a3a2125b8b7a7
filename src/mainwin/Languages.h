#pragma once

class TForm1;

// Sets the interface texts that are made in code once at start-up: the main
// window's port label and its caption with the program and data version.
void SetInterfaceTexts(TForm1& mainWindow);
