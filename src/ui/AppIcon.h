#pragma once

#include <QIcon>

// The application icon: a black record with a white tone arm on a grey square,
// in every size the window system asks for.
QIcon LoadAppIcon();
