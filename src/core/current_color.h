#pragma once

#include "core/color_conversions.h"
#include "core/color_outputs.h"
#include "core/color_state.h"
#include "core/system_colors.h"

#include <optional>

namespace tintora {

// Where regenerated output codes go: the eight `txtColor` fields and the
// system-colours list of the main window.
class OutputsSink
{
public:
    virtual ~OutputsSink() = default;
    virtual void ShowOutputs(const ColorOutputs& outputs) = 0;
};

// The one current colour of the program and the three ways of making a
// colour current. Every caller goes through here, so the outputs always
// describe the last current colour.
class CurrentColorModel
{
public:
    explicit CurrentColorModel(OutputsSink& sink) : sink_(sink) {}

    void setSystemColors(const SystemColorTable& sys) { sys_ = sys; }
    const SystemColorTable& systemColors() const { return sys_; }

    ColorRef CurrentColor() const { return state_.CurrentColor(); }

    // `SetCurrentColor`: stores the colour, splits it into channels (a
    // system-colour constant splits its current value) and regenerates the
    // outputs.
    Rgb SetCurrentColor(ColorRef color);

    // `SafeColorFromIndex`: web-safe colour 1..216 made current without the
    // split; any other index changes nothing and gives nullopt.
    std::optional<SafeColor> SafeColorFromIndex(int index);

    // The custom grid's first step: the colour is stored and the outputs
    // regenerated, without a split.
    void AssignCurrentColor(ColorRef color);

    // While a batch is open the outputs are regenerated into a pending slot
    // and shown once, when the outermost batch closes: one user event that
    // makes several colours current in turn updates the fields once.
    class Batch
    {
    public:
        explicit Batch(CurrentColorModel& model) : model_(model) { ++model_.batchDepth_; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        CurrentColorModel& model_;
    };

private:
    void Show(const ColorOutputs& outputs);

    OutputsSink& sink_;
    ColorState state_;
    SystemColorTable sys_{};
    int batchDepth_ = 0;
    std::optional<ColorOutputs> pending_;
};

} // namespace tintora
