#include "BatchError.h"

#include "FileErrorReason.h"

namespace velista::cli {

BatchError FileError(const std::string& what, const std::string& name, int error)
{
    return BatchError(what + " «" + name + "»: " + FileErrorReason(error));
}

}  // namespace velista::cli
