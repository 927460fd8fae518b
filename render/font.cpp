#include "render/font.h"

#include <GL/gl.h>

#include <cstdarg>
#include <cstdio>

unsigned int base = 0;

namespace {

constexpr int kGlyphs = 256;
constexpr float kCell = 0.0625f;  // one of 16 cells across and down
constexpr float kAdvance = 10.0f;
// Codes with a glyph: the font's first glyph shows code 32.
constexpr unsigned char kFirstCode = 32;
constexpr unsigned char kLastCode = 127;

void buildGlyph(int g) {
    const float cx = float(g % 16) / 16.0f;
    const float cy = float(g / 16) / 16.0f;
    glNewList(base + unsigned(g), GL_COMPILE_AND_EXECUTE);
    glBegin(GL_QUADS);
    glTexCoord2f(cx, 1 - cy - kCell);
    glVertex2i(0, 0);
    glTexCoord2f(cx + kCell, 1 - cy - kCell);
    glVertex2i(16, 0);
    glTexCoord2f(cx + kCell, 1 - cy - 0.001f);
    glVertex2i(16, 16);
    glTexCoord2f(cx, 1 - cy - 0.001f);
    glVertex2i(0, 16);
    glEnd();
    glTranslated(kAdvance, 0, 0);
    glEndList();
}

bool hasGlyph(unsigned char c) { return c >= kFirstCode && c <= kLastCode; }

// Calls the glyph lists for runs of printable characters; any other byte
// draws nothing and only moves the pen on.
void drawText(const char* text) {
    glListBase(base - kFirstCode);
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    while (*p) {
        const unsigned char* run = p;
        while (*p && hasGlyph(*p)) ++p;
        if (p > run) glCallLists(GLsizei(p - run), GL_UNSIGNED_BYTE, run);
        for (; *p && !hasGlyph(*p); ++p) glTranslatef(kAdvance, 0, 0);
    }
}

void print(int r, int g, int b, int x, int y, float scaleX, float scaleY, const char* fmt,
           va_list args) {
    if (!fmt) return;
    char text[1024];
    std::vsnprintf(text, sizeof text, fmt, args);
    glColor3f(float(r) / 255.0f, float(g) / 255.0f, float(b) / 255.0f);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, 800, 0, 600, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslated(x, 530 - y, 0);
    glScalef(scaleX, scaleY, 1.0f);
    drawText(text);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

}  // namespace

void glBuildFont(texture_t font) {
    base = glGenLists(kGlyphs);
    glBindTexture(GL_TEXTURE_2D, font.glTexture);
    for (int g = 0; g < kGlyphs; ++g) buildGlyph(g);
}

void glKillFont() { glDeleteLists(base, kGlyphs); }

void glPrint(int r, int g, int b, int x, int y, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    print(r, g, b, x, y, 1.0f, 1.0f, fmt, args);
    va_end(args);
}

void glPrintSmall(int r, int g, int b, int x, int y, const char* fmt, ...) {
    va_list args;
    va_start(args, fmt);
    print(r, g, b, x, y, 1.3f, 1.5f, fmt, args);
    va_end(args);
}
