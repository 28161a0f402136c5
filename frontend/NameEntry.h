// Hero-name entry as seen from the title: the title's last fade opens it.
#pragma once

class FrmIntro;

// Sets the grid alphabet, writes the grid's cells and shows the name-entry
// elements, still black on the black background until the fade-in brings them up.
void openNameEntry(FrmIntro& f);
