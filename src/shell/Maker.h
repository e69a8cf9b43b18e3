// The maker's addresses, shown by the about and credits windows and opened from the start menu.
#pragma once

namespace shell {

inline constexpr char kMakerSite[] = "https://www.example.org/veicolario";
inline constexpr char kMakerSiteShown[] = "www.example.org/veicolario";
inline constexpr char kSupportMail[] = "assistenza@example.org";

} // namespace shell
