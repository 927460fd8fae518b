// Key presses as events: a key counts once when it goes down, however long it
// is held. The frame calls update once, then asks.
#pragma once

class KeyPresses {
public:
    // Compares the keys with those of the previous update.
    void update(const bool (&keys)[256]) {
        for (int key = 0; key < 256; ++key) {
            pressed[key] = keys[key] && !held[key];
            held[key] = keys[key];
        }
    }
    // Whether the key went down since the previous update.
    bool operator[](unsigned key) const { return key < 256 && pressed[key]; }

private:
    bool held[256] = {};
    bool pressed[256] = {};
};
