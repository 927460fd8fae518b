// OpenGL extension entry points, fetched by name at run time. <GL/gl.h>
// already declares several of these names as functions, so the program's own
// variables live in namespace glext. Each family is fetched by the code that
// detects its extension and is guarded by that code's flag (multitex for
// GL_ARB_multitexture, shader_Support for the shader objects, the shadow
// map's path for framebuffer objects); no entry point
// is called while its flag is false.
#pragma once

#include "platform/window.h"

#include <GL/gl.h>
#include <GL/glext.h>

// Whether the space-separated list names the extension as a whole word: a
// name that merely begins a longer one does not count.
bool extensionListed(const char* list, const char* extension);
// Whether the current GL context's extension list names the extension.
bool GLExtensionSupported(const char* extension);

namespace glext {

// GL_ARB_multitexture: fetched by MultiTexturing (render/texture.h).
extern PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB;
extern PFNGLACTIVETEXTUREARBPROC glActiveTextureARB;
extern PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB;

// GL_ARB_shader_objects, vertex and fragment shaders: fetched by initGLShader
// (render/shader.h) in this order.
extern PFNGLCREATESHADEROBJECTARBPROC glCreateShaderObjectARB;
extern PFNGLSHADERSOURCEARBPROC glShaderSourceARB;
extern PFNGLCOMPILESHADERARBPROC glCompileShaderARB;
extern PFNGLATTACHOBJECTARBPROC glAttachObjectARB;
extern PFNGLLINKPROGRAMARBPROC glLinkProgramARB;
extern PFNGLUSEPROGRAMOBJECTARBPROC glUseProgramObjectARB;
extern PFNGLCREATEPROGRAMOBJECTARBPROC glCreateProgramObjectARB;
extern PFNGLGETUNIFORMLOCATIONARBPROC glGetUniformLocationARB;
extern PFNGLUNIFORM3FARBPROC glUniform3fARB;
extern PFNGLUNIFORM3FVARBPROC glUniform3fvARB;
extern PFNGLUNIFORM1FARBPROC glUniform1fARB;
extern PFNGLUNIFORM1IARBPROC glUniform1iARB;
extern PFNGLGETOBJECTPARAMETERIVARBPROC glGetObjectParameterivARB;
extern PFNGLGETATTRIBLOCATIONARBPROC glGetAttribLocationARB;
extern PFNGLGETINFOLOGARBPROC glGetInfoLogARB;
// Fetched last: sets the lighting shader's ViewMatrix (camera, world to eye).
extern PFNGLUNIFORMMATRIX4FVARBPROC glUniformMatrix4fvARB;

// Framebuffer objects, GL_ARB_framebuffer_object or else the same calls of
// GL_EXT_framebuffer_object: fetched by ShadowMap::create (render/shadow_map.h)
// and called only when it took the framebuffer path.
extern PFNGLGENFRAMEBUFFERSPROC glGenFramebuffers;
extern PFNGLBINDFRAMEBUFFERPROC glBindFramebuffer;
extern PFNGLFRAMEBUFFERTEXTURE2DPROC glFramebufferTexture2D;
extern PFNGLCHECKFRAMEBUFFERSTATUSPROC glCheckFramebufferStatus;
extern PFNGLDELETEFRAMEBUFFERSPROC glDeleteFramebuffers;

// Stores the entry point called name in entry; the result is not checked, the
// family's flag is the only guard.
template <class Fn>
void fetch(Fn& entry, const char* name) {
    entry = reinterpret_cast<Fn>(plat::wglGetProcAddress(name));
}

}  // namespace glext
