// The program's entry: the game (GameApp) runs one frame after another
// until it ends, and its exit status is the program's.
#include "app/GameApp.h"

int main(int argc, char** argv)
{
    GameApp app;
    const int status = app.start(argc, argv);
    if (status != GameApp::runFrames)
        return status;
    while (app.frame()) {
    }
    return app.finish();
}
