// The animation-script reader: elements, actions and frame sequences, with every step bounded.
#include "GlAnimationReader.h"

#include "VlFile.h"
#include "VlLog.h"

#include <fstream>
#include <sstream>

namespace {

// A sprite action's lines are read at most this long; the rest of a longer line is read as the next one.
constexpr size_t kMaxLineLength = 999;
// A sprite action that runs on for more lines than this has lost its "endaction".
constexpr int kMaxSequenceLines = 2000;
// The padding rule appends copies of the last frame up to this many beyond what the action spans.
constexpr int64_t kPaddingSlack = 26;

// One line of at most kMaxLineLength characters, without its line end; false at the end of the stream.
bool ReadScriptLine(std::istream& in, std::string& line)
{
    line.clear();
    while (line.size() < kMaxLineLength) {
        const int c = in.get();
        if (c == std::char_traits<char>::eof())
            return !line.empty();
        if (c == '\n')
            return true;
        line.push_back(static_cast<char>(c));
    }
    return true;
}

bool Append(std::vector<int32_t>& frames, int32_t frame)
{
    if (frames.size() >= kGlAnimationMaxFrames)
        return false;
    frames.push_back(frame);
    return true;
}

// Copies the last frame on, as the scripts were always padded: the bound shrinks as the list grows.
void PadSequence(GlAnimationAction& action, const GlAnimationElement& element)
{
    const int64_t span = int64_t(action.end) - int64_t(action.start);
    if (action.loop || int64_t(action.frames.size()) >= span + 1)
        return;
    azLog() << "GlAnimationReadFile - there are too few frames in sequence" << element.fileName << " "
            << element.label << "\n"
            << std::flush;
    // An empty sequence has no last frame to copy; its frames stay undrawn.
    if (action.frames.empty())
        return;
    const int32_t last = action.frames.back();
    for (int64_t appended = 0; appended < span - int64_t(action.frames.size()) + kPaddingSlack; ++appended) {
        if (!Append(action.frames, last)) {
            azLog() << "GlAnimationReadFile - frame sequence cut at " << kGlAnimationMaxFrames << " frames "
                    << element.label << "\n"
                    << std::flush;
            return;
        }
    }
}

void ReadSpriteAction(std::istream& in, GlAnimationElement& element)
{
    GlAnimationAction action;
    std::string mode;
    in >> mode >> action.start >> action.end >> action.depth >> action.x >> action.y;
    action.loop = mode == "loop";

    // The rest of the numbers' line and the lines below it, up to the line holding "endaction".
    std::string text;
    std::string line;
    bool closed = false;
    int lines = 0;
    while (ReadScriptLine(in, line)) {
        if (line.find("endaction") != std::string::npos) {
            closed = true;
            break;
        }
        text += line;
        text += ' ';
        if (++lines > kMaxSequenceLines)
            break;
    }
    if (!closed) {
        azLog() << "GlAnimationReadFile - Configfile no endaction1... may be error " << element.label << ".\n"
                << std::flush;
    }
    GlAnimationReadSequence(text, action.frames);
    PadSequence(action, element);
    element.actions.push_back(std::move(action));
}

// False when the action lacked its "endaction": it is dropped and the element's actions end.
bool ReadPropAction(std::istream& in, GlAnimationElement& element, std::string& word)
{
    GlAnimationAction action;
    in >> action.start >> action.end >> action.depth >> action.x >> action.y;
    word.clear();
    in >> word;
    if (word != "endaction") {
        azLog() << "GlAnimationReadFile - Configfile no endaction2... may be error " << element.label << ".\n"
                << std::flush;
        return false;
    }
    element.actions.push_back(std::move(action));
    return true;
}

void ReadSoundAction(std::istream& in, GlAnimationElement& element)
{
    GlAnimationAction action;
    in >> action.start;
    std::string word;
    in >> word;
    if (word != "endaction") {
        azLog() << "GlAnimationReadFile - Configfile no endaction3... may be error " << element.label << ".\n"
                << std::flush;
    }
    element.actions.push_back(std::move(action));
}

const char* KindName(int32_t kind)
{
    switch (kind) {
    case GlAnimationElement::kSprite:
        return "sprite";
    case GlAnimationElement::kProp:
        return "prop";
    default:
        return "sound";
    }
}

void DumpElements(const std::string& name, const GlAnimationElements& elements, size_t first)
{
    std::ostream& log = azLog();
    log << "\nPrinting Sprite stuff for file " << name << "\n";
    for (size_t i = first; i < elements.size(); ++i) {
        const GlAnimationElement& element = elements[i];
        log << KindName(element.kind) << " " << element.label << " " << element.fileName << "\n";
        for (const GlAnimationAction& action : element.actions) {
            log << "  action " << (action.loop ? "loop" : "once") << " start " << action.start << " end "
                << action.end << " depth " << action.depth << " x " << action.x << " y " << action.y << "\n  frames";
            for (int32_t frame : action.frames)
                log << " " << frame;
            log << "\n";
        }
    }
    log << "ended printing\n" << std::flush;
}

} // namespace

bool GlAnimationReadFile(const std::string& name, GlAnimationElements& elements)
{
    std::string path = name;
    Vlu::FileGetFullName(path);
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        azLog() << "GlAnimationReadFile - Configfile in fail state after construction.\n" << std::flush;
        return false;
    }

    const size_t first = elements.size();
    std::string word;
    while (in >> word) {
        GlAnimationElement element;
        if (word == "sprite")
            element.kind = GlAnimationElement::kSprite;
        else if (word == "prop")
            element.kind = GlAnimationElement::kProp;
        else if (word == "sound")
            element.kind = GlAnimationElement::kSound;
        else
            continue;
        in >> element.label >> element.fileName;

        word.clear();
        in >> word;
        while (word == "action") {
            if (element.kind == GlAnimationElement::kSprite) {
                ReadSpriteAction(in, element);
            } else if (element.kind == GlAnimationElement::kProp) {
                // The word that should have closed the action is the one checked below.
                if (!ReadPropAction(in, element, word))
                    break;
            } else {
                ReadSoundAction(in, element);
            }
            word.clear();
            in >> word;
        }

        if (word != "endsprite" && word != "endprop") {
            azLog() << "GlAnimationReadFile - endsprite or endprop token missing in file " << element.label << " "
                    << element.fileName << "\n"
                    << std::flush;
            break;
        }
        elements.push_back(std::move(element));
    }

    DumpElements(name, elements, first);
    return true;
}

bool GlAnimationReadSequence(const std::string& text, std::vector<int32_t>& frames)
{
    std::istringstream in(text);
    bool cut = false;
    std::string command;
    while (!cut && in >> command) {
        if (command == "r") {
            int32_t frame = 0, count = 0;
            if (!(in >> frame >> count))
                break;
            for (int64_t i = 0; i < count && !cut; ++i)
                cut = !Append(frames, frame);
        } else if (command == "s") {
            int32_t from = 0, to = 0;
            if (!(in >> from >> to))
                break;
            for (int64_t frame = from; frame <= to && !cut; ++frame)
                cut = !Append(frames, static_cast<int32_t>(frame));
        } else if (command == "a") {
            int32_t count = 0;
            if (!(in >> count))
                break;
            int32_t frame = 0;
            for (int64_t i = 0; i < count && !cut && in >> frame; ++i)
                cut = !Append(frames, frame);
            if (!in)
                break;
        }
    }
    if (cut)
        azLog() << "GlAnimationReadSequence - sequence cut at " << kGlAnimationMaxFrames << " frames\n";

    std::ostream& log = azLog();
    for (int32_t frame : frames)
        log << frame << ", ";
    log << "size" << frames.size() << "\n" << std::flush;
    return true;
}
