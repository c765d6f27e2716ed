#pragma once
// The pictures of a page. The model keeps their names and keep flags; the
// bitmaps themselves belong to the drawing side, which attaches them through
// the picture loader of the page model (PageModel::setPictureLoader).

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// A loaded bitmap, as the drawing side defines it.
class PictureImage {
public:
    virtual ~PictureImage() = default;
};

struct TXPicture {
    enum class Origin {
        File,     // a picture file; name is its full path
        Resource, // a picture of the program's resources; name starts with "$"
        Blank,    // a blank bitmap of width x height (0 x 0: an empty entry)
    };

    std::string name;
    Origin origin = Origin::File;
    bool keep = false; // survives clearing the page
    int width = 0;     // blank bitmaps only
    int height = 0;
    int lastX = -1; // where it was drawn last
    int lastY = -1;
    std::shared_ptr<PictureImage> image;
};

class tPicture_list {
public:
    // The index of the picture under that name (compared regardless of
    // case), or -1.
    int find(std::string_view name) const;

    int add(TXPicture picture);
    void removeLast() { pictures_.pop_back(); }

    // Clearing a page keeps only the pictures with the keep flag.
    void removeUnkept();

    std::size_t size() const { return pictures_.size(); }
    bool empty() const { return pictures_.empty(); }
    const TXPicture& operator[](std::size_t index) const { return pictures_[index]; }
    TXPicture& operator[](std::size_t index) { return pictures_[index]; }

private:
    std::vector<TXPicture> pictures_;
};

} // namespace qor
