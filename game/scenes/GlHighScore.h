// The high-score screen: the best five, and the name entry after a game that made the list.
#pragma once

#include "GlAlphabets.h"
#include "GlHighScoreTable.h"
#include "GlInterfaceRun.h"
#include "GlKeyPress.h"
#include "GlNameEntry.h"

#include <memory>

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

private:
    void RunList();
    void RunNameEntry();
    void QueueCoins();

    GlAlphabets mFonts;
    std::unique_ptr<AzBlitterObject> mBackground;
    std::unique_ptr<AzBobSprite> mCoin;
    GlHighScoreTable mTable;
    GlNameEntry mNameEntry;
    GlKeyPress mKeys;
    Mode mMode = Mode::List;
};
