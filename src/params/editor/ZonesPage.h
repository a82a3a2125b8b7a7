#pragma once

#include "params/editor/EditorPage.h"
#include "params/editor/ZoneRow.h"

#include <array>
#include <vector>

class CheckColumn;
class NumberBox;

// The page "Zónák": twelve zone rows, their flag columns and the night walk time.
class ZonesPage : public EditorPage
{
    Q_OBJECT
public:
    explicit ZonesPage(QWidget* parent = nullptr);

    void load(const params::ParameterImage& image) override;
    void store(params::ParameterImage& image) const override;

    // Zone n is row n − 1.
    std::vector<ZoneRow> rows;
    // Item n − 1 of each is zone n.
    CheckColumn* cbBypass = nullptr;
    CheckColumn* cbZonaCsendes = nullptr;
    CheckColumn* cbKoveto = nullptr;
    // The night walk time with its up-down udNightDelay.
    NumberBox* edNightDelay = nullptr;

private:
    struct FlagColumn
    {
        params::Field field;
        CheckColumn* column;
    };
    std::array<FlagColumn, 3> flagColumns() const;
};
