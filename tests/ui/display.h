// Connects the toolkit to the X server, if one answers; widgets that measure text need it.
#pragma once

bool openDisplay();
