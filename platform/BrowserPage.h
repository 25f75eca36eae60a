#pragma once

// The web page the browser build runs on (web/shell.html). Only the browser
// build has it.

// Asks the browser to show the page full screen (on) or in its window. A
// browser grants full screen only shortly after a key or a click; a request
// made outside that time is kept by the page for the next one.
void browserFullScreen(bool on);

// True while the page is shown full screen.
bool browserFullScreenOn();
