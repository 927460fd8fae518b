// GLSL shaders through the ARB shader-object extensions: probing for support,
// building one program from a vertex and a fragment source file, and binding
// it. Everything here is inert while shader_Support is false, so callers need
// no checks of their own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

extern bool shader_Support;  // the four GLSL extensions are there; set by initGLShader

// Every source reaches the compiler as exactly this many characters.
constexpr std::size_t kShaderSourceLength = 2000;

// What the compiler gets for a file's bytes: line ends as single newlines,
// cut after kShaderSourceLength characters or padded to it with newlines.
std::string ShaderSourceText(std::string_view fileText);

// Probes for GLSL and fetches the shader entry points; needs a current
// context. Missing support warns, or with required ends the process (status 0).
void initGLShader(bool required);
// Loads, compiles, attaches and links the pair; returns the program handle,
// 0 without shader support. A file that cannot be read ends the process
// (status 0); a source that fails to compile posts a quit request, and the
// program is still linked and returned. The link status is not checked.
unsigned int LoadGLShader(const char* vertexFile, const char* fragmentFile);
// Makes program current; 0 returns to the fixed-function pipeline.
void glBindShader(unsigned int program);
void glUnbindShader();
// The program glBindShader made current last: 0 for the fixed-function pipeline.
unsigned int BoundShader();
// Points the sampler uniform name of program, which must be in use, at unit.
void glPassTexToShader(unsigned int program, const char* name, int unit);
