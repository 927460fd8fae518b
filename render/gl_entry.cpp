// The program's OpenGL extension entry points; null until fetched.
#include "render/gl_entry.h"

namespace glext {

PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB = nullptr;
PFNGLACTIVETEXTUREARBPROC glActiveTextureARB = nullptr;
PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB = nullptr;

}  // namespace glext
