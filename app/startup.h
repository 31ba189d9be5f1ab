#ifndef VARIZEZ_STARTUP_H
#define VARIZEZ_STARTUP_H

class MainWindow;

// What the entry point does with the window once it is built: ask for
// automatic orientation, then show it maximized.
void presentMainWindow(MainWindow &window);

#endif // VARIZEZ_STARTUP_H
