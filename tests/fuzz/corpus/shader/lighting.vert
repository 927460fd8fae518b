#version 110
// Per-pixel lighting, vertex stage: hands the fragment stage the surface
// point, its normal, the light and the viewpoint, all in eye space.
//  LightPosition  the light in world space (moved by the light keys)
//  CamPos         the camera in world space: the viewpoint of highlights
//  ViewMatrix     the camera's view, world to eye. Left unset (all zeros)
//                 it puts the light and the viewpoint at the eye.
uniform vec3 LightPosition;
uniform vec3 CamPos;
uniform mat4 ViewMatrix;

varying vec3 surface;
varying vec3 normal;
varying vec3 light;
varying vec3 viewer;

void main()
{
    surface = (gl_ModelViewMatrix * gl_Vertex).xyz;
    normal = gl_NormalMatrix * gl_Normal;
    light = (ViewMatrix * vec4(LightPosition, 1.0)).xyz;
    viewer = (ViewMatrix * vec4(CamPos, 1.0)).xyz;
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_Position = ftransform();
}
