#ifndef PLATFORMSTARTUP_H
#define PLATFORMSTARTUP_H

// Choices about the windowing platform that must be made before the
// application object exists.
namespace PlatformStartup {

// Nothing in the program draws with OpenGL, yet on X11 Qt loads a GL stack
// into every process (about 50 MB resident and a slower start). Unless the
// user's environment chooses an X11 GL integration, start without one.
// Call before the QApplication is constructed.
void chooseGlIntegration();

// Qt settles its GL integration when it creates the first window; call this
// after the main window is shown, so that programs started from here (the
// desktop's document opener, a PDF viewer) get the user's environment.
void restoreEnvironment();

} // namespace PlatformStartup

#endif // PLATFORMSTARTUP_H
