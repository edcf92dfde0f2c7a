#pragma once

// Makes the faces the windows ask for answer on every machine: Liberation Serif and Sans for
// "Times New Roman" and "Arial", and a free script face for the header's "Script MT Bold".
void installUiFonts();
