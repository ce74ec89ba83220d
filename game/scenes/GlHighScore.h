// The high-score screen: the best five, and the name entry after a game that made the list.
#pragma once

#include "GlAlphabets.h"
#include "GlHighScoreTable.h"
#include "GlInterfaceRun.h"
#include "GlKeyPress.h"
#include "GlNameEntry.h"

#include <memory>
#include <string>
#include <vector>

class AzBlitterObject;
class AzBobSprite;

class GlHighScore : public GlInterfaceRun {
public:
    enum class Mode { List, NameEntry, NoHighScore };

    GlHighScore();
    ~GlHighScore() override;
    bool RunFrame() override;
    void Load() override;

    void LoadHighScoreList();
    bool WriteHighScoreListToDisk();

    Mode GetMode() const { return mMode; }
    const GlHighScoreTable& GetTable() const { return mTable; }
    const std::string& GetTypedName() const { return mNameEntry.GetName(); }
    const std::vector<std::string>& GetShownNames() const { return mShownNames; }

private:
    void RunList();
    void RunNameEntry();
    void QueueCoins();
    void CutShownNames();

    GlAlphabets mFonts;
    std::unique_ptr<AzBlitterObject> mBackground;
    std::unique_ptr<AzBobSprite> mCoin;
    GlHighScoreTable mTable;
    std::vector<std::string> mShownNames; // the names of the shown entries, cut to fit their column
    GlNameEntry mNameEntry;
    GlKeyPress mKeys;
    Mode mMode = Mode::List;
};
