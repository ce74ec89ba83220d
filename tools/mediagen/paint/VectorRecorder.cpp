// Reads cairo's script output back: paths arrive in device space, so only colours, widths and blends need work.
#include "VectorRecorder.h"

#include <cairo-script.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <map>
#include <stdexcept>
#include <variant>

namespace mediagen {

namespace {

cairo_status_t AppendScript(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0; // x' = a x + c y + e; y' = b x + d y + f
    VecPt Map(VecPt p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    Matrix Inverse() const
    {
        const double det = a * d - b * c;
        if (std::abs(det) < 1e-12) return {};
        Matrix m{d / det, -b / det, -c / det, a / det, 0, 0};
        m.e = -(m.a * e + m.c * f);
        m.f = -(m.b * e + m.d * f);
        return m;
    }
    // this applied first, then `then`
    Matrix Then(const Matrix& t) const
    {
        return {a * t.a + b * t.c, a * t.b + b * t.d, c * t.a + d * t.c, c * t.b + d * t.d,
                e * t.a + f * t.c + t.e, e * t.b + f * t.d + t.f};
    }
};

struct Stop {
    double offset, r, g, b, a;
};

struct Pattern {
    enum Kind { Solid, Linear, Radial, Other } kind = Solid;
    double r = 0, g = 0, b = 0, a = 1;
    double geom[6] = {};
    std::vector<Stop> stops;
    Matrix matrix; // device to pattern space
};

struct Name {
    std::string text;
};
struct Mark {};
using Array = std::vector<double>;
using Value = std::variant<double, Name, Array, Mark, Pattern>;

VecColour ToColour(double r, double g, double b)
{
    auto c = [](double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return {c(r), c(g), c(b)};
}

Stop StopAt(const std::vector<Stop>& stops, double t)
{
    if (stops.empty()) return {t, 0, 0, 0, 0};
    if (t <= stops.front().offset) return stops.front();
    for (size_t i = 1; i < stops.size(); ++i) {
        if (t <= stops[i].offset) {
            const Stop& s0 = stops[i - 1];
            const Stop& s1 = stops[i];
            const double span = s1.offset - s0.offset;
            const double u = span > 0 ? (t - s0.offset) / span : 1;
            return {t, s0.r + (s1.r - s0.r) * u, s0.g + (s1.g - s0.g) * u, s0.b + (s1.b - s0.b) * u,
                    s0.a + (s1.a - s0.a) * u};
        }
    }
    return stops.back();
}

class ScriptReader {
public:
    ScriptReader(int width, int height) { mPicture.width = width; mPicture.height = height; }

    VectorPicture Run(const std::string& text)
    {
        size_t i = 0;
        while (i < text.size()) {
            const char ch = text[i];
            if (std::isspace(static_cast<unsigned char>(ch))) { ++i; continue; }
            if (ch == '%') { while (i < text.size() && text[i] != '\n') ++i; continue; }
            if (ch == '(') { SkipString(text, i); mStack.push_back(Name{"(string)"}); continue; }
            if (text.compare(i, 2, "<~") == 0 || text.compare(i, 2, "<|") == 0) {
                const size_t end = text.find(text[i + 1] == '~' ? "~>" : "|>", i + 2);
                i = end == std::string::npos ? text.size() : end + 2;
                mStack.push_back(Name{"(data)"});
                continue;
            }
            size_t j = i;
            if (ch == '[' || ch == ']' || ch == '{' || ch == '}') j = i + 1;
            else if (text.compare(i, 2, "<<") == 0 || text.compare(i, 2, ">>") == 0) j = i + 2;
            else
                while (j < text.size() && !std::isspace(static_cast<unsigned char>(text[j])) && text[j] != '[' &&
                       text[j] != ']' && text[j] != '(' && text[j] != '{' && text[j] != '}')
                    ++j;
            Token(text.substr(i, j - i));
            i = j;
        }
        while (mClipDepth > 0) { mPicture.ops.push_back(VecOp(VecOp::PopClip)); --mClipDepth; }
        return std::move(mPicture);
    }

private:
    static void SkipString(const std::string& text, size_t& i)
    {
        int depth = 0;
        for (; i < text.size(); ++i) {
            if (text[i] == '\\') { ++i; continue; }
            if (text[i] == '(') ++depth;
            else if (text[i] == ')' && --depth == 0) { ++i; return; }
        }
    }

    bool PopNumber(double& out)
    {
        if (mStack.empty() || !std::holds_alternative<double>(mStack.back())) return false;
        out = std::get<double>(mStack.back());
        mStack.pop_back();
        return true;
    }
    bool PopNumbers(int n, double* out)
    {
        if (static_cast<int>(mStack.size()) < n) return false;
        for (int k = 0; k < n; ++k)
            if (!std::holds_alternative<double>(mStack[mStack.size() - n + k])) return false;
        for (int k = 0; k < n; ++k) out[k] = std::get<double>(mStack[mStack.size() - n + k]);
        mStack.resize(mStack.size() - n);
        return true;
    }
    std::string PopName()
    {
        if (mStack.empty() || !std::holds_alternative<Name>(mStack.back())) return {};
        std::string n = std::get<Name>(mStack.back()).text;
        mStack.pop_back();
        return n;
    }
    Pattern* TopPattern() { return mStack.empty() ? nullptr : std::get_if<Pattern>(&mStack.back()); }

    void Token(const std::string& t)
    {
        char* end = nullptr;
        const double number = std::strtod(t.c_str(), &end);
        if (!t.empty() && end == t.c_str() + t.size() && (std::isdigit(static_cast<unsigned char>(t[0])) ||
                                                         t[0] == '-' || t[0] == '.' || t[0] == '+')) {
            mStack.push_back(number);
            return;
        }
        if (t[0] == '/') { mStack.push_back(Name{t.substr(t.rfind('/') + 1)}); return; }
        if (t == "[" || t == "<<") { mStack.push_back(Mark{}); return; }
        if (t == "]") {
            Array array;
            while (!mStack.empty() && !std::holds_alternative<Mark>(mStack.back())) {
                if (auto n = std::get_if<double>(&mStack.back())) array.insert(array.begin(), *n);
                mStack.pop_back();
            }
            if (!mStack.empty()) mStack.pop_back();
            mStack.push_back(array);
            return;
        }
        if (t == ">>") {
            while (!mStack.empty() && !std::holds_alternative<Mark>(mStack.back())) mStack.pop_back();
            if (!mStack.empty()) mStack.pop_back();
            mStack.push_back(Name{"(dict)"});
            return;
        }
        Operator(t);
    }

    void Operator(const std::string& op)
    {
        double v[6];
        if (op == "n") { mPath.clear(); }
        else if (op == "m" && PopNumbers(2, v)) { mPath.push_back({VecSeg::Move, {{v[0], v[1]}}}); mAt = {v[0], v[1]}; }
        else if (op == "l" && PopNumbers(2, v)) { mPath.push_back({VecSeg::Line, {{v[0], v[1]}}}); mAt = {v[0], v[1]}; }
        else if (op == "c" && PopNumbers(6, v)) {
            mPath.push_back({VecSeg::Curve, {{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}}});
            mAt = {v[4], v[5]};
        } else if (op == "h") { mPath.push_back({VecSeg::Close, {}}); }
        else if (op == "rectangle" && PopNumbers(4, v)) {
            // Path coordinates arrive in device space, rectangles too.
            const VecPt p0{v[0], v[1]}, p1{v[0] + v[2], v[1]}, p2{v[0] + v[2], v[1] + v[3]}, p3{v[0], v[1] + v[3]};
            mPath.push_back({VecSeg::Move, {p0}});
            mPath.push_back({VecSeg::Line, {p1}});
            mPath.push_back({VecSeg::Line, {p2}});
            mPath.push_back({VecSeg::Line, {p3}});
            mPath.push_back({VecSeg::Close, {}});
        } else if (op == "g" && PopNumbers(1, v)) { Pattern p; p.r = p.g = p.b = v[0]; mStack.push_back(p); }
        else if (op == "ga" && PopNumbers(2, v)) {
            Pattern p; p.r = p.g = p.b = v[0]; p.a = v[1];
            mStack.push_back(p);
        } else if (op == "rgb" && PopNumbers(3, v)) { Pattern p; p.r = v[0]; p.g = v[1]; p.b = v[2]; mStack.push_back(p); }
        else if (op == "rgba" && PopNumbers(4, v)) {
            Pattern p; p.r = v[0]; p.g = v[1]; p.b = v[2]; p.a = v[3];
            mStack.push_back(p);
        } else if (op == "linear" && PopNumbers(4, v)) {
            Pattern p; p.kind = Pattern::Linear;
            std::copy(v, v + 4, p.geom);
            mStack.push_back(p);
        } else if (op == "radial" && PopNumbers(6, v)) {
            Pattern p; p.kind = Pattern::Radial;
            std::copy(v, v + 6, p.geom);
            mStack.push_back(p);
        } else if (op == "add-color-stop" && PopNumbers(5, v)) {
            if (Pattern* p = TopPattern()) p->stops.push_back({v[0], v[1], v[2], v[3], v[4]});
        } else if (op == "set-source") {
            if (Pattern* p = TopPattern()) { mSource = *p; mStack.pop_back(); }
        } else if (op == "set-matrix" || op == "transform") {
            if (mStack.empty() || !std::holds_alternative<Array>(mStack.back())) return;
            const Array a = std::get<Array>(mStack.back());
            mStack.pop_back();
            if (a.size() != 6) return;
            const Matrix m{a[0], a[1], a[2], a[3], a[4], a[5]};
            if (Pattern* p = TopPattern()) p->matrix = (op == "set-matrix") ? m : m.Then(p->matrix);
            else mCtm = (op == "set-matrix") ? m : m.Then(mCtm);
        } else if (op == "identity") { mStack.push_back(Array{1, 0, 0, 1, 0, 0}); }
        else if (op == "scale" && PopNumbers(2, v)) { mCtm = Matrix{v[0], 0, 0, v[1], 0, 0}.Then(mCtm); }
        else if (op == "translate" && PopNumbers(2, v)) { mCtm = Matrix{1, 0, 0, 1, v[0], v[1]}.Then(mCtm); }
        else if (op == "rotate" && PopNumbers(1, v)) {
            const double c = std::cos(v[0]), s = std::sin(v[0]);
            mCtm = Matrix{c, s, -s, c, 0, 0}.Then(mCtm);
        } else if (op == "set-line-width" && PopNumbers(1, v)) { mLineWidth = v[0]; }
        else if (op == "set-line-cap") {
            const std::string n = PopName();
            mCap = n == "LINE_CAP_BUTT" ? 0 : n == "LINE_CAP_SQUARE" ? 2 : 1;
        } else if (op == "set-line-join") {
            const std::string n = PopName();
            mJoin = n == "LINE_JOIN_MITER" ? 0 : n == "LINE_JOIN_BEVEL" ? 2 : 1;
        } else if (op == "set-fill-rule") { mWinding = PopName() != "EVEN_ODD"; }
        else if (op == "fill" || op == "fill+") { Fill(mPath); if (op == "fill") mPath.clear(); }
        else if (op == "stroke" || op == "stroke+") { Stroke(); if (op == "stroke") mPath.clear(); }
        else if (op == "clip" || op == "clip+") {
            VecOp clip(VecOp::PushClip, mPath);
            clip.winding = mWinding;
            mPicture.ops.push_back(clip);
            ++mClipDepth;
            if (op == "clip") mPath.clear();
        } else if (op == "reset-clip") {
            while (mClipDepth > 0) { mPicture.ops.push_back(VecOp(VecOp::PopClip)); --mClipDepth; }
        } else if (op == "paint") {
            VecPath all{{VecSeg::Move, {{0, 0}}}, {VecSeg::Line, {{double(mPicture.width), 0}}},
                        {VecSeg::Line, {{double(mPicture.width), double(mPicture.height)}}},
                        {VecSeg::Line, {{0, double(mPicture.height)}}}, {VecSeg::Close, {}}};
            Fill(all);
        } else if (op == "pop") { if (!mStack.empty()) mStack.pop_back(); }
        else if (op == "dup") { if (!mStack.empty()) mStack.push_back(mStack.back()); }
        else if (op == "exch") { if (mStack.size() >= 2) std::swap(mStack[mStack.size() - 1], mStack[mStack.size() - 2]); }
        else if (op == "def") {
            if (mStack.size() >= 2) {
                Value value = mStack.back();
                mStack.pop_back();
                const std::string name = PopName();
                mDefs[name] = value;
            }
        } else if (op == "set-tolerance" || op == "set-miter-limit" || op == "paint-with-alpha") { PopNumber(v[0]); }
        else if (op == "set-antialias" || op == "set-extend" || op == "set-filter" || op == "set-operator") { PopName(); }
        else if (op == "surface" || op == "context" || op == "push-group") { /* the drawing goes on as before */ }
        else if (op == "pop-group") { Pattern p; p.kind = Pattern::Other; mStack.push_back(p); }
        else if (auto found = mDefs.find(op); found != mDefs.end()) { mStack.push_back(found->second); }
        else { mUnknown[op]++; }
    }

    void Fill(const VecPath& path)
    {
        if (path.empty()) return;
        if (mSource.kind == Pattern::Solid) {
            if (mSource.a < 0.5) return;
            VecOp fill(VecOp::Fill, path, ToColour(mSource.r, mSource.g, mSource.b), mWinding);
            mPicture.ops.push_back(fill);
            return;
        }
        if (mSource.kind == Pattern::Other || mSource.stops.empty()) return;
        // A glow fades to nothing at its rim: without transparency it would be a solid disc.
        if (mSource.stops.back().a < 0.5 && mSource.stops.front().a < 0.99) return;
        VecOp clip(VecOp::PushClip, path);
        clip.winding = mWinding;
        mPicture.ops.push_back(clip);
        const Matrix toDevice = mSource.matrix.Inverse();
        if (mSource.kind == Pattern::Linear) LinearBands(toDevice);
        else RadialBands(toDevice);
        mPicture.ops.push_back(VecOp(VecOp::PopClip));
    }

    void Band(const std::vector<VecPt>& corners, const Stop& s)
    {
        if (s.a < 0.5) return;
        VecOp op(VecOp::Fill);
        op.colour = ToColour(s.r, s.g, s.b);
        op.path.push_back({VecSeg::Move, {corners[0]}});
        for (size_t i = 1; i < corners.size(); ++i) op.path.push_back({VecSeg::Line, {corners[i]}});
        op.path.push_back({VecSeg::Close, {}});
        mPicture.ops.push_back(op);
    }

    void LinearBands(const Matrix& toDevice)
    {
        const VecPt p0{mSource.geom[0], mSource.geom[1]}, p1{mSource.geom[2], mSource.geom[3]};
        const double dx = p1.x - p0.x, dy = p1.y - p0.y;
        const double len = std::hypot(dx, dy);
        if (len < 1e-9) return;
        const VecPt along{dx, dy}, across{-dy / len, dx / len};
        // Far enough in pattern space to cover the whole picture.
        const double reach = 4.0 * (mPicture.width + mPicture.height) * (1.0 + 1.0 / std::max(1e-3, len)) + len;
        auto at = [&](double t, double side) {
            return toDevice.Map({p0.x + along.x * t + across.x * side, p0.y + along.y * t + across.y * side});
        };
        const int steps = 24;
        const double extra = reach / len;
        Band({at(-extra, -reach), at(0, -reach), at(0, reach), at(-extra, reach)}, StopAt(mSource.stops, 0));
        for (int k = 0; k < steps; ++k) {
            const double t0 = double(k) / steps, t1 = double(k + 1) / steps;
            Band({at(t0, -reach), at(t1 + 0.002, -reach), at(t1 + 0.002, reach), at(t0, reach)},
                 StopAt(mSource.stops, (t0 + t1) / 2));
        }
        Band({at(1, -reach), at(1 + extra, -reach), at(1 + extra, reach), at(1, reach)}, StopAt(mSource.stops, 1));
    }

    void RadialBands(const Matrix& toDevice)
    {
        const double* g = mSource.geom;
        const int steps = 20;
        auto circle = [&](double t, double grow) {
            const double cx = g[0] + (g[3] - g[0]) * t, cy = g[1] + (g[4] - g[1]) * t;
            const double r = std::max(0.0, g[2] + (g[5] - g[2]) * t) * grow;
            std::vector<VecPt> ring;
            for (int i = 0; i < 36; ++i) {
                const double a = i * 2 * M_PI / 36;
                ring.push_back(toDevice.Map({cx + r * std::cos(a), cy + r * std::sin(a)}));
            }
            return ring;
        };
        Band(circle(1, 50), StopAt(mSource.stops, 1));
        for (int k = steps; k >= 1; --k) Band(circle(double(k) / steps, 1), StopAt(mSource.stops, (k - 0.5) / steps));
    }

    void Stroke()
    {
        if (mPath.empty() || mSource.kind != Pattern::Solid || mSource.a < 0.5) return;
        VecOp op(VecOp::Stroke, mPath, ToColour(mSource.r, mSource.g, mSource.b));
        op.width = mLineWidth * std::sqrt(std::abs(mCtm.a * mCtm.d - mCtm.b * mCtm.c));
        op.cap = mCap;
        op.join = mJoin;
        mPicture.ops.push_back(op);
    }

    VectorPicture mPicture;
    std::vector<Value> mStack;
    std::map<std::string, Value> mDefs;
    std::map<std::string, int> mUnknown;
    VecPath mPath;
    VecPt mAt{0, 0};
    Matrix mCtm;
    Pattern mSource;
    double mLineWidth = 2;
    int mCap = 0;
    int mJoin = 0;
    bool mWinding = true;
    int mClipDepth = 0;
};

} // namespace

VectorRecorder::VectorRecorder(int width, int height) : mWidth(width), mHeight(height)
{
    mDevice = cairo_script_create_for_stream(&AppendScript, &mScript);
    cairo_script_set_mode(mDevice, CAIRO_SCRIPT_MODE_ASCII);
    mSurface = cairo_script_surface_create(mDevice, CAIRO_CONTENT_COLOR_ALPHA, width, height);
    mCr = cairo_create(mSurface);
}

VectorRecorder::~VectorRecorder()
{
    if (mCr) cairo_destroy(mCr);
    if (mSurface) cairo_surface_destroy(mSurface);
    if (mDevice) cairo_device_destroy(mDevice);
}

VectorPicture VectorRecorder::Finish()
{
    cairo_destroy(mCr);
    mCr = nullptr;
    cairo_surface_finish(mSurface);
    cairo_surface_destroy(mSurface);
    mSurface = nullptr;
    cairo_device_finish(mDevice);
    cairo_device_destroy(mDevice);
    mDevice = nullptr;
    return PictureFromCairoScript(mScript, mWidth, mHeight);
}

VectorPicture PictureFromCairoScript(const std::string& script, int width, int height)
{
    return ScriptReader(width, height).Run(script);
}

} // namespace mediagen
