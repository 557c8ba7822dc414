#pragma once

#include <QColor>

#include <cstdint>

namespace tallo::render_plugin {

// One kit as the painter draws it.
struct KitLook {
    QColor shirt = QColor(220, 220, 220);
    QColor pattern = QColor(40, 40, 40);
    QColor shorts = QColor(40, 40, 40);
    QColor socks = QColor(220, 220, 220);
    int shirtStyle = 0;  // 0 to 42
    int shortsStyle = 0; // 0 to 12
    int socksStyle = 0;  // 0 to 3
};

// A head as the painter draws it, with the collar of the club's first kit.
struct HeadLook {
    int faceType = 1;   // 1 to 25: face shape and skin
    int hairColour = 2; // 1 blond, 2 chestnut, 3 grey, 4 black, 5 red
    int hairStyle = 5;  // 0 to 10
    int beard = 1;      // 0 and 1 none, 2 moustache, 3 goatee, 4 full, 5 stubble, 6 sideburns
    QColor collar = QColor(200, 30, 30);
    QColor collarTrim = QColor(250, 250, 250);
};

// 0x00RRGGBB as a colour.
QColor FromRgb(uint32_t rgb);
// A record colour of three bytes of 0 to 63.
QColor FromTriple(const uint8_t* triple);

} // namespace tallo::render_plugin
