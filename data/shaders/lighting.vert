#version 110
// Per-pixel lighting, vertex stage: hands the fragment stage the surface
// point, its normal and the light, all in eye space.
//  LightPosition  the light in world space (moved by the light keys)
//  ViewMatrix     the camera's view, world to eye. Left unset (all zeros)
//                 it puts the light at the eye.
uniform vec3 LightPosition;
uniform mat4 ViewMatrix;

varying vec3 surface;
varying vec3 normal;
varying vec3 light;

void main()
{
    surface = (gl_ModelViewMatrix * gl_Vertex).xyz;
    normal = gl_NormalMatrix * gl_Normal;
    light = (ViewMatrix * vec4(LightPosition, 1.0)).xyz;
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_Position = ftransform();
}
