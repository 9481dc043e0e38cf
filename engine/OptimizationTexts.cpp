#include "engine/OptimizationTexts.h"

#include "model/NumberText.h"

namespace vantorel {

namespace {
std::string Percent(double fit) { return FormatFixed(100 * fit, 5, 1); }
}  // namespace

std::string FitChoiceQuestion(double fit_dwt, double fit_drain) {
    const std::string start = std::string(FitChoiceQuestionStart) +
                              " for the depth of the water table and the drain discharge. The goodness of fit for the ";
    if (fit_dwt >= fit_drain) {
        return start + "water table is" + Percent(fit_dwt) + " % and that for the drain discharge is" +
               Percent(fit_drain) + " %. Vantorel selects the one with the highest goodness of fit," +
               " which is the water table. Do you agree ?. (if not Vantorel goes" + " for the drain discharge.)";
    }
    return start + "drain discharge is" + Percent(fit_drain) + " % and that for the water table is" +
           Percent(fit_dwt) + " %. Vantorel selects the one with the highest goodness of fit," +
           " which is the drain discharge. Do you agree ?. (if not Vantorel" + " goes for the water table.)";
}

}  // namespace vantorel
