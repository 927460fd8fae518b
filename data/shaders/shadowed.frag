#version 110
// Per-pixel lighting with shadows, fragment stage: lighting.frag's light,
// its diffuse part and highlight scaled by how much of the light reaches
// the point. That is the share of 2 x 2 depth-map texels around it that
// see the point from the light: 0, 1/4, 1/2, 3/4 or 1, so edges are soft.
//  ShadowMap    the light's depth map, compared by the texture unit
//  ShadowTexel  one texel of the map, in map coordinates
uniform vec3 color;
uniform float dif;
uniform int isTex;
uniform sampler2D skin;
uniform sampler2DShadow ShadowMap;
uniform float ShadowTexel;

varying vec3 surface;
varying vec3 normal;
varying vec3 light;
varying vec4 inMap;

float seen(float ds, float dt)
{
    vec4 at = inMap + vec4(ds, dt, 0.0, 0.0) * ShadowTexel * inMap.w;
    return shadow2DProj(ShadowMap, at).r;
}

void main()
{
    float reached = 1.0;
    if (inMap.w > 0.0)  // behind the light nothing is in the map
        reached = 0.25 * (seen(-0.5, -0.5) + seen(0.5, -0.5) + seen(-0.5, 0.5) + seen(0.5, 0.5));
    vec3 n = normalize(normal);
    vec3 l = normalize(light - surface);
    vec3 v = normalize(-surface);
    float diffuse = max(dot(n, l), 0.0);
    float highlight = 0.0;
    if (diffuse > 0.0) {
        float s = max(dot(reflect(-l, n), v), 0.0);
        float s2 = s * s;
        float s4 = s2 * s2;
        float s8 = s4 * s4;
        highlight = s8 * s8 * s8;
    }
    vec3 base = color;
    if (isTex == 1)
        base = texture2D(skin, gl_TexCoord[0].st).rgb;
    diffuse *= reached;
    highlight *= reached;
    vec3 lit = base * (0.3 + (0.4 + dif) * diffuse) + vec3(0.5 * highlight);
    gl_FragColor = vec4(lit, 1.0);
}
