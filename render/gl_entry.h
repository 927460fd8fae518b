// OpenGL extension entry points, fetched by name at run time. <GL/gl.h>
// already declares several of these names as functions, so the program's own
// variables live in namespace glext. Each family is fetched by the code that
// detects its extension and is guarded by that code's flag (multitex for
// GL_ARB_multitexture); no entry point is called while its flag is false.
#pragma once

#include "platform/window.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace glext {

// GL_ARB_multitexture: fetched by MultiTexturing (render/texture.h).
extern PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB;
extern PFNGLACTIVETEXTUREARBPROC glActiveTextureARB;
extern PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB;

// Stores the entry point called name in entry; the result is not checked, the
// family's flag is the only guard.
template <class Fn>
void fetch(Fn& entry, const char* name) {
    entry = reinterpret_cast<Fn>(plat::wglGetProcAddress(name));
}

}  // namespace glext
