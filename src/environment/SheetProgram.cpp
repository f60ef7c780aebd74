// SheetProgram.cpp -- the one-pass sheets: their programs, the affine maps they need, the pass.
#include "environment/SheetProgram.h"

#include "platform/GLHeaders.h"

#include <algorithm>
#include <cmath>

namespace {
// Each *At varying holds (s, t, fog distance, 0) of one sheet: s and t run from 0 to 1 across it.
// The *Lower and *Upper varyings are its lit colour as interpolated on each triangle of its quad.
constexpr const char* kVertexSource = R"(#version 110
uniform mat4 backPlace;
uniform mat4 frontPlace;
uniform mat4 backLower;
uniform mat4 backUpper;
uniform mat4 frontLower;
uniform mat4 frontUpper;
varying vec4 backAt;
varying vec4 frontAt;
varying vec4 backLowerColour;
varying vec4 backUpperColour;
varying vec4 frontLowerColour;
varying vec4 frontUpperColour;
void main()
{
    gl_Position = ftransform();
    backAt = backPlace * gl_Vertex;
    frontAt = frontPlace * gl_Vertex;
    backLowerColour = backLower * gl_Vertex;
    backUpperColour = backUpper * gl_Vertex;
    frontLowerColour = frontLower * gl_Vertex;
    frontUpperColour = frontUpper * gl_Vertex;
}
)";

// A quad (v0, v1, v2, v3) is rasterised as the triangles (v0, v1, v3) and (v1, v2, v3): the lower
// one holds s + t <= 1. Both pictures are sampled outside any branch, so that their level of
// detail comes from the same derivatives as the sheets' own.
constexpr const char* kFragmentSource = R"(#version 110
uniform sampler2D backPicture;
uniform sampler2D frontPicture;
uniform float backScroll;
uniform float frontScroll;
uniform float fogDensity;
uniform vec3 fogColour;
varying vec4 backAt;
varying vec4 frontAt;
varying vec4 backLowerColour;
varying vec4 backUpperColour;
varying vec4 frontLowerColour;
varying vec4 frontUpperColour;

bool Inside(vec4 at)
{
    return all(greaterThanEqual(at.xy, vec2(0.0))) && all(lessThanEqual(at.xy, vec2(1.0)));
}

// What blending the sheet with (source alpha, one) adds: its texel modulated by its colour, fogged
// as GL_EXP fog does, times its alpha; alpha adds alpha squared.
vec4 Added(vec4 texel, vec4 at, vec4 lower, vec4 upper)
{
    vec4 colour = texel * (at.x + at.y <= 1.0 ? lower : upper);
    float fog = clamp(exp(-fogDensity * at.z), 0.0, 1.0);
    colour.rgb = mix(fogColour, colour.rgb, fog);
    return colour * colour.a;
}

void main()
{
    vec4 backTexel = texture2D(backPicture, vec2(backAt.x + backScroll, backAt.y));
    vec4 frontTexel = texture2D(frontPicture, vec2(frontAt.x + frontScroll, frontAt.y));
    bool inBack = Inside(backAt);
    bool inFront = Inside(frontAt);
    if (!inBack && !inFront)
        discard;
    vec4 sum = vec4(0.0);
    if (inBack)
        sum += Added(backTexel, backAt, backLowerColour, backUpperColour);
    if (inFront)
        sum += Added(frontTexel, frontAt, frontLowerColour, frontUpperColour);
    gl_FragColor = sum;
}
)";

constexpr GLenum kBackUnit = GL_TEXTURE1;
constexpr GLenum kFrontUnit = GL_TEXTURE0; // the unit the fixed-function sheets use
constexpr double kDegrees = 3.14159265358979323846 / 180.0;
constexpr double kMargin = 1.0; // tank units around the union, so that its edges come from the tests

using Point = std::array<double, 3>;
using Values = std::array<double, 4>;

// (x, y) turned about z by `degrees`, as glRotatef(degrees, 0, 0, 1) turns it.
std::array<double, 2> Turned(double x, double y, double degrees)
{
    const double c = std::cos(degrees * kDegrees);
    const double s = std::sin(degrees * kDegrees);
    return {c * x - s * y, s * x + c * y};
}

// The model-view matrix followed by a turn about z.
Matrix4 TurnedModelview(const Matrix4& m, double degrees)
{
    const double c = std::cos(degrees * kDegrees);
    const double s = std::sin(degrees * kDegrees);
    Matrix4 result = m;
    for (int r = 0; r < 4; ++r) {
        result[r] = m[r] * c + m[4 + r] * s;
        result[4 + r] = -m[r] * s + m[4 + r] * c;
    }
    return result;
}

// The eye in the model-view matrix's object coordinates; the matrix carries no projection.
Point EyeOf(const Matrix4& m)
{
    // Solve R e = -t with R the upper 3 x 3, by Cramer's rule.
    const double a = m[0], b = m[4], c = m[8], d = m[1], e = m[5], f = m[9], g = m[2], h = m[6], i = m[10];
    const double t0 = -m[12], t1 = -m[13], t2 = -m[14];
    const double det = a * (e * i - f * h) - b * (d * i - f * g) + c * (d * h - e * g);
    if (det == 0.0)
        return {0.0, 0.0, -HUGE_VAL};
    return {(t0 * (e * i - f * h) - b * (t1 * i - f * t2) + c * (t1 * h - e * t2)) / det,
            (a * (t1 * i - f * t2) - t0 * (d * i - f * g) + c * (d * t2 - t1 * g)) / det,
            (a * (e * t2 - t1 * h) - b * (d * t2 - t1 * g) + t0 * (d * h - e * g)) / det};
}

// Where the eye ray through `p` meets the plane z = depth.
Point Across(const Point& eye, const Point& p, double depth)
{
    const double k = (depth - eye[2]) / (p[2] - eye[2]);
    return {eye[0] + (p[0] - eye[0]) * k, eye[1] + (p[1] - eye[1]) * k, depth};
}

Point OnSheet(const SheetQuad& sheet, double x, double y)
{
    const auto [tx, ty] = Turned(x, y, sheet.tilt);
    return {tx, ty, sheet.depth};
}

// What the pass needs of one sheet as functions of the pass's vertex (x, y) in the front sheet's
// own plane: the sheet's (s, t) and fog distance, and its colour on either triangle.
class CSheetMaps
{
public:
    CSheetMaps(const SheetQuad& sheet, const SheetQuad& front, const Matrix4& modelview, const Point& eye,
               const Rgba (&corners)[4])
        : sheet(sheet), front(front), modelview(modelview), eye(eye)
    {
        // Triangle (v0, v1, v3) and triangle (v1, v2, v3), each as colour = a + b s + c t.
        for (int k = 0; k < 4; ++k) {
            lower[0][k] = corners[0][k];
            lower[1][k] = corners[1][k] - corners[0][k];
            lower[2][k] = corners[3][k] - corners[0][k];
            upper[1][k] = corners[2][k] - corners[3][k];
            upper[2][k] = corners[2][k] - corners[1][k];
            upper[0][k] = corners[1][k] - upper[1][k];
        }
    }

    Values Place(double x, double y) const
    {
        const Point q = Across(eye, OnSheet(front, x, y), sheet.depth);
        const auto [lx, ly] = Turned(q[0], q[1], -sheet.tilt);
        const double eyeDepth = modelview[2] * q[0] + modelview[6] * q[1] + modelview[10] * q[2] + modelview[14];
        return {(lx - sheet.left) / (sheet.right - sheet.left), (ly - sheet.bottom) / (sheet.top - sheet.bottom),
                -eyeDepth, 0.0};
    }
    Values Lower(double x, double y) const { return Colour(lower, x, y); }
    Values Upper(double x, double y) const { return Colour(upper, x, y); }

private:
    Values Colour(const Values (&plane)[3], double x, double y) const
    {
        const Values at = Place(x, y);
        Values result{};
        for (int k = 0; k < 4; ++k)
            result[k] = plane[0][k] + plane[1][k] * at[0] + plane[2][k] * at[1];
        return result;
    }

    const SheetQuad& sheet;
    const SheetQuad& front;
    const Matrix4& modelview;
    const Point& eye;
    Values lower[3];
    Values upper[3];
};

// The matrix that maps (x, y, z, 1) to an affine function of (x, y): exact, because the function
// is affine, from its values at three points.
template <typename Function> std::array<float, 16> AffineMatrix(Function function)
{
    const Values origin = function(0.0, 0.0);
    const Values alongX = function(1.0, 0.0);
    const Values alongY = function(0.0, 1.0);
    std::array<float, 16> m{};
    for (int r = 0; r < 4; ++r) {
        m[r] = static_cast<float>(alongX[r] - origin[r]);
        m[4 + r] = static_cast<float>(alongY[r] - origin[r]);
        m[12 + r] = static_cast<float>(origin[r]);
    }
    return m;
}

uint32_t CompiledShader(const GlslFunctions& gl, GLenum kind, const char* source)
{
    const GLuint shader = gl.CreateShader(kind);
    gl.ShaderSource(shader, 1, &source, nullptr);
    gl.CompileShader(shader);
    GLint compiled = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        gl.DeleteShader(shader);
        return 0;
    }
    return shader;
}

// Whether `texture` samples in a program as it does in the fixed pipeline: it has a picture, and
// its filter needs no further levels (an incomplete texture is no texture to the fixed pipeline
// but black to a program).
bool SamplesAsFixed(uint32_t texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0;
    GLint filter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    return width > 0 && (filter == GL_LINEAR || filter == GL_NEAREST);
}
} // namespace

bool CSheetProgram::EnsureProgram()
{
    if (state != State::Untried)
        return state == State::Ready;
    state = State::Unavailable;
    if (!gl.Load())
        return false;
    const uint32_t vertexShader = CompiledShader(gl, GL_VERTEX_SHADER, kVertexSource);
    const uint32_t fragmentShader = CompiledShader(gl, GL_FRAGMENT_SHADER, kFragmentSource);
    if (vertexShader == 0 || fragmentShader == 0) {
        if (vertexShader != 0)
            gl.DeleteShader(vertexShader);
        if (fragmentShader != 0)
            gl.DeleteShader(fragmentShader);
        return false;
    }
    program = gl.CreateProgram();
    gl.AttachShader(program, vertexShader);
    gl.AttachShader(program, fragmentShader);
    gl.LinkProgram(program);
    gl.DeleteShader(vertexShader); // they go with the program
    gl.DeleteShader(fragmentShader);
    GLint linked = GL_FALSE;
    gl.GetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        gl.DeleteProgram(program);
        program = 0;
        return false;
    }
    backPlace = gl.GetUniformLocation(program, "backPlace");
    frontPlace = gl.GetUniformLocation(program, "frontPlace");
    backLower = gl.GetUniformLocation(program, "backLower");
    backUpper = gl.GetUniformLocation(program, "backUpper");
    frontLower = gl.GetUniformLocation(program, "frontLower");
    frontUpper = gl.GetUniformLocation(program, "frontUpper");
    backScroll = gl.GetUniformLocation(program, "backScroll");
    frontScroll = gl.GetUniformLocation(program, "frontScroll");
    fogDensity = gl.GetUniformLocation(program, "fogDensity");
    fogColour = gl.GetUniformLocation(program, "fogColour");
    backPicture = gl.GetUniformLocation(program, "backPicture");
    frontPicture = gl.GetUniformLocation(program, "frontPicture");
    gl.UseProgram(program);
    gl.Uniform1i(backPicture, static_cast<GLint>(kBackUnit - GL_TEXTURE0));
    gl.Uniform1i(frontPicture, static_cast<GLint>(kFrontUnit - GL_TEXTURE0));
    gl.UseProgram(0);
    state = State::Ready;
    return true;
}

// The pass reproduces sheets drawn textured and modulated on unit 0, blended, depth-tested with
// GL_LESS and writing depth (which is what lets one sheet hide another only where the nearer one
// stands), with GL_EXP fog or none, and lit as CVertexLighting can light them.
bool CSheetProgram::CanReproduce(const SheetQuad& back, const SheetQuad& front)
{
    GLint activeUnit = 0;
    GLint textureMode = 0;
    GLint depthFunction = 0;
    GLboolean depthWrites = GL_FALSE;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &textureMode);
    glGetIntegerv(GL_DEPTH_FUNC, &depthFunction);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    if (activeUnit != GL_TEXTURE0 || textureMode != GL_MODULATE || glIsEnabled(GL_TEXTURE_2D) != GL_TRUE ||
        glIsEnabled(GL_BLEND) != GL_TRUE || glIsEnabled(GL_DEPTH_TEST) != GL_TRUE || depthFunction != GL_LESS ||
        depthWrites != GL_TRUE)
        return false;
    if (glIsEnabled(GL_FOG) == GL_TRUE) {
        GLint fogMode = 0;
        glGetIntegerv(GL_FOG_MODE, &fogMode);
        if (fogMode != GL_EXP)
            return false;
    }
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    const bool textured = SamplesAsFixed(back.texture) && SamplesAsFixed(front.texture);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(bound));
    return textured && lighting.Capture();
}

bool CSheetProgram::Draw(const SheetQuad& back, const SheetQuad& front)
{
    if (!EnsureProgram() || !CanReproduce(back, front))
        return false;
    Matrix4 modelview{};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    const Point eye = EyeOf(modelview);
    // Both planes face the eye, the front one nearer; otherwise the rays do not meet them as above.
    if (!(eye[2] > front.depth && front.depth > back.depth))
        return false;

    // The colours the fixed pipeline gives each sheet's corners, v0 to v3 from the lower left.
    Rgba backCorners[4];
    Rgba frontCorners[4];
    const Matrix4 backModelview = TurnedModelview(modelview, back.tilt);
    const Matrix4 frontModelview = TurnedModelview(modelview, front.tilt);
    const double cornerX[4] = {0, 1, 1, 0};
    const double cornerY[4] = {0, 0, 1, 1};
    for (int k = 0; k < 4; ++k) {
        backCorners[k] = lighting.ColourAt(backModelview, {cornerX[k] != 0 ? back.right : back.left,
                                                           cornerY[k] != 0 ? back.top : back.bottom, back.depth});
        frontCorners[k] = lighting.ColourAt(frontModelview, {cornerX[k] != 0 ? front.right : front.left,
                                                             cornerY[k] != 0 ? front.top : front.bottom, front.depth});
    }
    const CSheetMaps backMaps(back, front, modelview, eye, backCorners);
    const CSheetMaps frontMaps(front, front, modelview, eye, frontCorners);

    // The pass covers the front sheet and the back sheet as the eye sees it on the front plane.
    double left = front.left, right = front.right, bottom = front.bottom, top = front.top;
    for (int k = 0; k < 4; ++k) {
        const Point corner =
            OnSheet(back, cornerX[k] != 0 ? back.right : back.left, cornerY[k] != 0 ? back.top : back.bottom);
        const Point seen = Across(eye, corner, front.depth);
        const auto [x, y] = Turned(seen[0], seen[1], -front.tilt);
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    left -= kMargin;
    right += kMargin;
    bottom -= kMargin;
    top += kMargin;

    GLfloat density = 0.0f;
    GLfloat fog[4] = {};
    if (glIsEnabled(GL_FOG) == GL_TRUE)
        glGetFloatv(GL_FOG_DENSITY, &density); // no fog adds nothing: exp(0) is 1
    glGetFloatv(GL_FOG_COLOR, fog);

    gl.UseProgram(program);
    const auto place = [&](int location, const std::array<float, 16>& m) {
        gl.UniformMatrix4fv(location, 1, GL_FALSE, m.data());
    };
    place(backPlace, AffineMatrix([&](double x, double y) { return backMaps.Place(x, y); }));
    place(frontPlace, AffineMatrix([&](double x, double y) { return frontMaps.Place(x, y); }));
    place(backLower, AffineMatrix([&](double x, double y) { return backMaps.Lower(x, y); }));
    place(backUpper, AffineMatrix([&](double x, double y) { return backMaps.Upper(x, y); }));
    place(frontLower, AffineMatrix([&](double x, double y) { return frontMaps.Lower(x, y); }));
    place(frontUpper, AffineMatrix([&](double x, double y) { return frontMaps.Upper(x, y); }));
    gl.Uniform1f(backScroll, back.scroll);
    gl.Uniform1f(frontScroll, front.scroll);
    gl.Uniform1f(fogDensity, density);
    gl.Uniform3f(fogColour, fog[0], fog[1], fog[2]);

    GLint backUnitBound = 0;
    gl.ActiveTexture(kBackUnit);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &backUnitBound);
    glBindTexture(GL_TEXTURE_2D, back.texture);
    gl.ActiveTexture(kFrontUnit);
    glBindTexture(GL_TEXTURE_2D, front.texture);

    glBlendFunc(GL_ONE, GL_ONE); // the program has weighted each sheet by its alpha
    glPushMatrix();
    glRotatef(front.tilt, 0.0f, 0.0f, 1.0f);
    glBegin(GL_QUADS);
    glVertex3d(left, bottom, front.depth);
    glVertex3d(right, bottom, front.depth);
    glVertex3d(right, top, front.depth);
    glVertex3d(left, top, front.depth);
    glEnd();
    glPopMatrix();
    gl.UseProgram(0);

    gl.ActiveTexture(kBackUnit);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(backUnitBound));
    gl.ActiveTexture(kFrontUnit);
    // What the front quad's last vertex and the sheets' own blending leave behind.
    glTexCoord2f(front.scroll, 1.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    return true;
}
