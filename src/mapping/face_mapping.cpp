#include "mapping/face_mapping.h"

#include "formats/base_text_file.h"
#include "mapping/mapping_report.h"
#include "mapping/world_walk.h"
#include "world/accent_folding.h"
#include "world/player.h"
#include "world/world.h"

#include <vector>

namespace tallo {

namespace {

// The rows of the table that are faces: not the placeholder row, not empty.
std::vector<int32_t> FaceRows(const CBaseTextFile& faces) {
    std::vector<int32_t> rows;
    const int32_t first = faces.Layout().placeholderString != 0 ? 1 : 0;
    for (int32_t row = first; row < faces.Count(); ++row) {
        if (!faces.Text(row).empty()) {
            rows.push_back(row);
        }
    }
    return rows;
}

} // namespace

FaceMappingResult MapFaces(CWorld& world, const CBaseTextFile& faces, const std::string& reportPath,
                           bool overwrite) {
    FaceMappingResult result;
    const std::vector<int32_t> rows = FaceRows(faces);
    std::vector<int> usage(rows.size(), 0);
    ForEachClubPlayer(world, [&](CPlayer& player) {
        if (overwrite) {
            player.SetSpecialFace(0);
        }
        std::string name(player.FirstName());
        name += ' ';
        name.append(player.Surname());
        for (size_t i = 0; i < rows.size(); ++i) {
            if (CompareFolded(name, faces.Text(rows[i])) == 0) {
                // Special faces are 16-bit numbers.
                player.SetSpecialFace(static_cast<uint16_t>(faces.Number(rows[i])));
                ++usage[i];
                ++result.successful;
            }
        }
    });
    for (int count : usage) {
        if (count == 0) {
            ++result.unmapped;
        } else if (count > 1) {
            ++result.overmapped;
        }
    }
    if (reportPath.empty()) {
        return result;
    }
    MappingReport report;
    report << "Face mapping statistics:\r\n";
    report << "Successful: " << result.successful << ":\r\n";
    report << "Unmapped: " << result.unmapped << ":\r\n";
    report << "Overmapped: " << result.overmapped << "\r\n\r\n";
    report << "Unmapped:\r\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        if (usage[i] == 0) {
            report << faces.Text(rows[i]) << "\r\n";
        }
    }
    report << "\r\nOvermapped:\r\n";
    for (size_t i = 0; i < rows.size(); ++i) {
        if (usage[i] > 1) {
            report << faces.Text(rows[i]) << " (" << usage[i] << ")\r\n";
        }
    }
    result.reportWritten = report.Save(reportPath);
    return result;
}

} // namespace tallo
