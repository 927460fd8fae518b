#version 110
// Per-pixel lighting, fragment stage: ambient, diffuse and a white highlight
// from a point light, as seen from the eye (the origin of eye space).
//  color  the surface colour (unused where the skin is)
//  dif    diffuse weight added to a base of 0.4: 0.0 gives the floor a soft
//         pool of light, 0.7 gives the bodies strong shading
//  isTex  1: the colour comes from the skin instead
//  skin   the model's skin; left unset it reads texture unit 0
uniform vec3 color;
uniform float dif;
uniform int isTex;
uniform sampler2D skin;

varying vec3 surface;
varying vec3 normal;
varying vec3 light;

void main()
{
    vec3 n = normalize(normal);
    vec3 l = normalize(light - surface);
    vec3 v = normalize(-surface);
    float diffuse = max(dot(n, l), 0.0);
    float highlight = 0.0;
    if (diffuse > 0.0) {
        // The power 24 as five multiplications: s^24 = s^16 * s^8.
        float s = max(dot(reflect(-l, n), v), 0.0);
        float s2 = s * s;
        float s4 = s2 * s2;
        float s8 = s4 * s4;
        highlight = s8 * s8 * s8;
    }
    vec3 base = color;
    if (isTex == 1)
        base = texture2D(skin, gl_TexCoord[0].st).rgb;
    vec3 lit = base * (0.3 + (0.4 + dif) * diffuse) + vec3(0.5 * highlight);
    gl_FragColor = vec4(lit, 1.0);
}
