// SheetProgram.cpp -- the one-pass sheets: their program variants, the affine maps they need, the pass.
#include "environment/SheetProgram.h"

#include "platform/GLHeaders.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {
// `at` holds the texture coordinates of both sheets, back (s, t) then front (s, t); FOG adds the
// front sheet's fog distance (the back sheet's is a fixed multiple of it).
constexpr const char* kVertexSource = R"(
uniform mat4 places;
varying vec4 at;
#ifdef FOG
uniform vec4 distanceRow;
varying float fogDistance;
#endif
void main()
{
    gl_Position = ftransform();
    at = places * gl_Vertex;
#ifdef FOG
    fogDistance = dot(distanceRow, gl_Vertex);
#endif
}
)";

// A sheet covers the texture coordinates from `low` to `high`; EDGES tests that per pixel, where
// an edge of either sheet shows, and discards what lies outside both. What blending a sheet with
// (source alpha, one) adds is its texel (its lit colour being white), fogged as GL_EXP fog does
// (FOG), times its alpha; alpha adds alpha squared. Both pictures are sampled first, outside any
// branch, so that their level of detail comes from the same derivatives as the sheets' own.
constexpr const char* kFragmentSource = R"(
uniform sampler2D backPicture;
uniform sampler2D frontPicture;
varying vec4 at;
#ifdef FOG
uniform vec2 fogRates;
uniform vec3 fogColour;
varying float fogDistance;
#endif
#ifdef EDGES
uniform vec4 low;
uniform vec4 high;
#endif
void main()
{
    vec4 back = texture2D(backPicture, at.xy);
    vec4 front = texture2D(frontPicture, at.zw);
#ifdef FOG
    vec2 clear = clamp(exp(-fogRates * fogDistance), 0.0, 1.0);
    back.rgb = mix(fogColour, back.rgb, clear.x);
    front.rgb = mix(fogColour, front.rgb, clear.y);
#endif
    back *= back.a;
    front *= front.a;
#ifdef EDGES
    vec4 margin = min(at - low, high - at);
    float inBack = step(0.0, min(margin.x, margin.y));
    float inFront = step(0.0, min(margin.z, margin.w));
    if (inBack + inFront == 0.0)
        discard;
    gl_FragColor = back * inBack + front * inFront;
#else
    gl_FragColor = back + front;
#endif
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

// Corner k of a sheet, v0 to v3 counter-clockwise from the lower left, in its own plane.
std::array<double, 2> Corner(const SheetQuad& sheet, int k)
{
    return {k == 1 || k == 2 ? sheet.right : sheet.left, k >= 2 ? sheet.top : sheet.bottom};
}

Point OnSheet(const SheetQuad& sheet, const std::array<double, 2>& local)
{
    const auto [x, y] = Turned(local[0], local[1], sheet.tilt);
    return {x, y, sheet.depth};
}

// The texture coordinates of `sheet` where the eye ray through `p` meets it.
std::array<double, 2> TextureAt(const SheetQuad& sheet, const Point& eye, const Point& p)
{
    const Point q = Across(eye, p, sheet.depth);
    const auto [x, y] = Turned(q[0], q[1], -sheet.tilt);
    return {sheet.scroll + (x - sheet.left) / (sheet.right - sheet.left),
            (y - sheet.bottom) / (sheet.top - sheet.bottom)};
}

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

uint32_t CompiledShader(const GlslFunctions& gl, GLenum kind, const std::string& source)
{
    const GLuint shader = gl.CreateShader(kind);
    const char* text = source.c_str();
    gl.ShaderSource(shader, 1, &text, nullptr);
    gl.CompileShader(shader);
    GLint compiled = GL_FALSE;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (compiled != GL_TRUE) {
        gl.DeleteShader(shader);
        return 0;
    }
    return shader;
}

uint32_t LinkedProgram(const GlslFunctions& gl, const std::string& defines)
{
    const std::string version = "#version 110\n";
    const uint32_t vertexShader = CompiledShader(gl, GL_VERTEX_SHADER, version + defines + kVertexSource);
    const uint32_t fragmentShader = CompiledShader(gl, GL_FRAGMENT_SHADER, version + defines + kFragmentSource);
    uint32_t program = 0;
    if (vertexShader != 0 && fragmentShader != 0) {
        program = gl.CreateProgram();
        gl.AttachShader(program, vertexShader);
        gl.AttachShader(program, fragmentShader);
        gl.LinkProgram(program);
        GLint linked = GL_FALSE;
        gl.GetProgramiv(program, GL_LINK_STATUS, &linked);
        if (linked != GL_TRUE) {
            gl.DeleteProgram(program);
            program = 0;
        }
    }
    if (vertexShader != 0)
        gl.DeleteShader(vertexShader); // an attached shader goes with its program
    if (fragmentShader != 0)
        gl.DeleteShader(fragmentShader);
    return program;
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

// Whether the sheet covers the whole viewport: the eye rays through the viewport's corners all
// meet it (the viewport's outline on the sheet's plane is convex, as the sheet is).
bool CoversViewport(const SheetQuad& sheet, const Point& eye, const Matrix4& modelview, const Matrix4& projection,
                    const GLint (&viewport)[4])
{
    constexpr double kInside = 1e-4; // of the sheet's extent, so that no pixel centre lies on its edge
    for (int k = 0; k < 4; ++k) {
        const double x = viewport[0] + (k == 1 || k == 2 ? viewport[2] : 0);
        const double y = viewport[1] + (k >= 2 ? viewport[3] : 0);
        Point near{};
        if (gluUnProject(x, y, 0.0, modelview.data(), projection.data(), viewport, &near[0], &near[1], &near[2]) !=
            GL_TRUE)
            return false;
        const auto [s, t] = TextureAt(sheet, eye, near);
        if (!(s - sheet.scroll > kInside && s - sheet.scroll < 1.0 - kInside && t > kInside && t < 1.0 - kInside))
            return false;
    }
    return true;
}

constexpr Rgba kWhite{1.0f, 1.0f, 1.0f, 1.0f};
} // namespace

CSheetProgram::Variant* CSheetProgram::Ready(int index)
{
    if (!functionsLoaded) {
        functionsLoaded = true;
        functionsMissing = !gl.Load();
    }
    Variant& variant = variants[index];
    if (functionsMissing || variant.state == State::Unavailable)
        return nullptr;
    if (variant.state == State::Ready)
        return &variant;
    variant.state = State::Unavailable;
    std::string defines;
    defines += (index & kFogged) != 0 ? "#define FOG\n" : "";
    defines += (index & kEdges) != 0 ? "#define EDGES\n" : "";
    variant.program = LinkedProgram(gl, defines);
    if (variant.program == 0)
        return nullptr;
    const auto where = [&](const char* name) { return gl.GetUniformLocation(variant.program, name); };
    variant.places = where("places");
    variant.low = where("low");
    variant.high = where("high");
    variant.distanceRow = where("distanceRow");
    variant.fogRates = where("fogRates");
    variant.fogColour = where("fogColour");
    gl.UseProgram(variant.program);
    gl.Uniform1i(where("backPicture"), static_cast<GLint>(kBackUnit - GL_TEXTURE0));
    gl.Uniform1i(where("frontPicture"), static_cast<GLint>(kFrontUnit - GL_TEXTURE0));
    gl.UseProgram(0);
    variant.state = State::Ready;
    return &variant;
}

// The pass reproduces sheets drawn textured and modulated on unit 0, blended, depth-tested with
// GL_LESS and writing depth (which is what lets one sheet hide another only where the nearer one
// stands), with GL_EXP fog or none, and lit as CVertexLighting can work out (Draw then asks for
// white all over).
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
    if (!CanReproduce(back, front))
        return false;
    Matrix4 modelview{};
    Matrix4 projection{};
    GLint viewport[4] = {};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    glGetIntegerv(GL_VIEWPORT, viewport);
    const Point eye = EyeOf(modelview);
    // Eye rays meet the planes as below only under a perspective projection centred on the eye,
    // and with both planes facing the eye, the front one nearer.
    const bool perspective =
        projection[3] == 0.0 && projection[7] == 0.0 && projection[11] == -1.0 && projection[15] == 0.0;
    if (!perspective || !(eye[2] > front.depth && front.depth > back.depth))
        return false;

    // The pass adds the pictures as they are: the sheets' corners must all be lit white, so that
    // the colour interpolated between them is white too.
    const Matrix4 backModelview = TurnedModelview(modelview, back.tilt);
    const Matrix4 frontModelview = TurnedModelview(modelview, front.tilt);
    for (int k = 0; k < 4; ++k) {
        const auto [bx, by] = Corner(back, k);
        const auto [fx, fy] = Corner(front, k);
        if (lighting.ColourAt(backModelview, {bx, by, back.depth}) != kWhite ||
            lighting.ColourAt(frontModelview, {fx, fy, front.depth}) != kWhite)
            return false;
    }
    GLfloat density = 0.0f;
    if (glIsEnabled(GL_FOG) == GL_TRUE)
        glGetFloatv(GL_FOG_DENSITY, &density);
    const bool fogged = density != 0.0f; // fog of density 0 changes nothing: exp(0) is 1
    const bool edges = !CoversViewport(back, eye, modelview, projection, viewport) ||
                       !CoversViewport(front, eye, modelview, projection, viewport);
    const Variant* variant = Ready((fogged ? kFogged : 0) | (edges ? kEdges : 0));
    if (variant == nullptr)
        return false;

    // The pass covers the front sheet and the back sheet as the eye sees it on the front plane.
    double left = front.left, right = front.right, bottom = front.bottom, top = front.top;
    for (int k = 0; k < 4; ++k) {
        const Point seen = Across(eye, OnSheet(back, Corner(back, k)), front.depth);
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

    gl.UseProgram(variant->program);
    const std::array<float, 16> places = AffineMatrix([&](double x, double y) {
        const Point p = OnSheet(front, {x, y});
        const auto [bs, bt] = TextureAt(back, eye, p);
        const auto [fs, ft] = TextureAt(front, eye, p);
        return Values{bs, bt, fs, ft};
    });
    gl.UniformMatrix4fv(variant->places, 1, GL_FALSE, places.data());
    if (edges) {
        gl.Uniform4f(variant->low, back.scroll, 0.0f, front.scroll, 0.0f);
        gl.Uniform4f(variant->high, back.scroll + 1.0f, 1.0f, front.scroll + 1.0f, 1.0f);
    }
    if (fogged) {
        // The fog distance is the eye depth; along one eye ray the back sheet's is a fixed multiple
        // of the front sheet's.
        const std::array<float, 16> distance = AffineMatrix([&](double x, double y) {
            const Point p = OnSheet(front, {x, y});
            const double eyeDepth = modelview[2] * p[0] + modelview[6] * p[1] + modelview[10] * p[2] + modelview[14];
            return Values{-eyeDepth, 0.0, 0.0, 0.0};
        });
        const double backRatio = (back.depth - eye[2]) / (front.depth - eye[2]);
        GLfloat fogColour[4] = {};
        glGetFloatv(GL_FOG_COLOR, fogColour);
        gl.Uniform4f(variant->distanceRow, distance[0], distance[4], distance[8], distance[12]);
        gl.Uniform2f(variant->fogRates, static_cast<float>(density * backRatio), density);
        gl.Uniform3f(variant->fogColour, fogColour[0], fogColour[1], fogColour[2]);
    }

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
