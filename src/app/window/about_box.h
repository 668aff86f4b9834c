#pragma once

class QWidget;

// The "About Lumvane" box: the program's name, version and purpose.
void ShowAboutBox(QWidget* parent);
