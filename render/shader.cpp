// GLSL support and the program builder. Each source file is read whole and
// handed over as a fixed-length string (ShaderSourceText); compiler logs go
// to log.txt, and failures the user must see go through log_msg.
#include "render/shader.h"

#include "io/file_bytes.h"
#include "platform/log.h"
#include "platform/window.h"
#include "render/gl_entry.h"

#include <cstdlib>

bool shader_Support = false;

namespace {

unsigned int boundProgram = 0;

constexpr int kInfoLogRoom = 2000;  // characters, terminator included

bool hasAllExtensions() {
    for (const char* name : {"GL_ARB_shader_objects", "GL_ARB_shading_language_100",
                             "GL_ARB_fragment_shader", "GL_ARB_vertex_shader"})
        if (!GLExtensionSupported(name)) return false;
    return true;
}

void fetchEntryPoints() {
    using namespace glext;
    fetch(glCreateShaderObjectARB, "glCreateShaderObjectARB");
    fetch(glShaderSourceARB, "glShaderSourceARB");
    fetch(glCompileShaderARB, "glCompileShaderARB");
    fetch(glAttachObjectARB, "glAttachObjectARB");
    fetch(glLinkProgramARB, "glLinkProgramARB");
    fetch(glUseProgramObjectARB, "glUseProgramObjectARB");
    fetch(glCreateProgramObjectARB, "glCreateProgramObjectARB");
    fetch(glGetUniformLocationARB, "glGetUniformLocationARB");
    fetch(glUniform3fARB, "glUniform3fARB");
    fetch(glUniform3fvARB, "glUniform3fvARB");
    fetch(glUniform1fARB, "glUniform1fARB");
    fetch(glUniform1iARB, "glUniform1iARB");
    fetch(glGetObjectParameterivARB, "glGetObjectParameterivARB");
    fetch(glGetAttribLocationARB, "glGetAttribLocationARB");
    fetch(glGetInfoLogARB, "glGetInfoLogARB");
    fetch(glUniformMatrix4fvARB, "glUniformMatrix4fvARB");
}

// Gives the file's text to shader, or ends the process when it cannot be read.
void sourceFromFile(GLhandleARB shader, const char* fileName) {
    FileBytes file = ReadFileBytes(fileName, kMaxTextFile);
    if (!file.data) {
        log_msg("Could not load Shader: %s", fileName);
        std::exit(0);
    }
    const std::string text = ShaderSourceText(file.text());
    const GLcharARB* source = text.data();
    const GLint length = GLint(text.size());
    glext::glShaderSourceARB(shader, 1, &source, &length);
}

// Compiles shader and logs its compiler output under label ("vertex" or
// "fragment"); a failure is shown and asks the main loop to quit.
void compile(GLhandleARB shader, const char* label, const char* kind, const char* fileName) {
    glext::glCompileShaderARB(shader);
    GLint status = 0;
    glext::glGetObjectParameterivARB(shader, GL_OBJECT_COMPILE_STATUS_ARB, &status);
    char info[kInfoLogRoom] = "";
    glext::glGetInfoLogARB(shader, kInfoLogRoom, nullptr, info);
    log_txt("*%s shader compiler log:\n%s", label, info);
    if (status == 0) {
        log_msg("Error in %s Shader %s", kind, fileName);
        plat::PostQuitMessage(0);
    }
}

}  // namespace

std::string ShaderSourceText(std::string_view fileText) {
    std::string text;
    text.reserve(kShaderSourceLength);
    for (std::size_t i = 0; i < fileText.size() && text.size() < kShaderSourceLength; ++i) {
        // Text mode: a carriage return before a line feed is dropped.
        if (fileText[i] == '\r' && i + 1 < fileText.size() && fileText[i + 1] == '\n') continue;
        text.push_back(fileText[i]);
    }
    text.resize(kShaderSourceLength, '\n');
    return text;
}

void initGLShader(bool required) {
    shader_Support = hasAllExtensions();
    if (shader_Support) {
        log_txt("GLSL Supported!");
        fetchEntryPoints();
    } else if (!required) {
        log_msg("No GLSL Support found, no shaders will be aviable!l\rGLSL ist supported by "
                "graphic cards such as Radeon 9500 and GF FX or higher...");
    } else {
        log_msg("no GLSL Support!");
        std::exit(0);
    }
}

unsigned int LoadGLShader(const char* vertexFile, const char* fragmentFile) {
    if (!shader_Support) return 0;
    log_txt("\nLoading GLSL shaders: %s %s", vertexFile, fragmentFile);
    log_txt("*shader creation");
    const GLhandleARB program = glext::glCreateProgramObjectARB();
    const GLhandleARB vertex = glext::glCreateShaderObjectARB(GL_VERTEX_SHADER_ARB);
    const GLhandleARB fragment = glext::glCreateShaderObjectARB(GL_FRAGMENT_SHADER_ARB);

    log_txt("*loading file 1");
    sourceFromFile(vertex, vertexFile);
    log_txt("*loading shader source 1");
    sourceFromFile(fragment, fragmentFile);

    log_txt("*Compiling shader");
    compile(vertex, "vertex", "Vertex", vertexFile);
    compile(fragment, "fragment", "Fragment", fragmentFile);

    log_txt("*attaching shader to program");
    glext::glAttachObjectARB(program, vertex);
    glext::glAttachObjectARB(program, fragment);
    log_txt("*linking program...");
    glext::glLinkProgramARB(program);
    log_txt("*finished\n");
    return program;
}

void glBindShader(unsigned int program) {
    if (!shader_Support) return;
    glext::glUseProgramObjectARB(program);
    boundProgram = program;
}

unsigned int BoundShader() { return boundProgram; }

void glUnbindShader() { glBindShader(0); }

void glPassTexToShader(unsigned int program, const char* name, int unit) {
    if (shader_Support) glext::glUniform1iARB(glext::glGetUniformLocationARB(program, name), unit);
}
