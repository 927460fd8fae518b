#version 110
// Per-pixel lighting with shadows, vertex stage: lighting.vert's, and where
// the surface point falls in the light's depth map.
//  LightPosition  the light in world space (moved by the light keys)
//  ViewMatrix     the camera's view, world to eye
//  EyeToMap       eye space to the depth map's (s, t, depth, q)
uniform vec3 LightPosition;
uniform mat4 ViewMatrix;
uniform mat4 EyeToMap;

varying vec3 surface;
varying vec3 normal;
varying vec3 light;
varying vec4 inMap;

void main()
{
    surface = (gl_ModelViewMatrix * gl_Vertex).xyz;
    normal = gl_NormalMatrix * gl_Normal;
    light = (ViewMatrix * vec4(LightPosition, 1.0)).xyz;
    inMap = EyeToMap * vec4(surface, 1.0);
    gl_TexCoord[0] = gl_MultiTexCoord0;
    gl_Position = ftransform();
}
