// The "####CHECKERROR: " texts of the device result codes, in the order they are matched.
#include "lrDisplay.h"
#include "lrDisplayState.h"

#include <string>

namespace {

struct ResultText {
    uint32_t code;
    const char* text;
};

// The device's documented description of each code, in the device's own order
// (alphabetical by name). No two codes share a number, so the first match is the only one.
constexpr ResultText kResultTexts[] = {
    {0x00000000, "The request completed successfully"},                                     // DD_OK
    {0x88760005, "The object has already been initialized"},                                // ALREADYINITIALIZED
    {0x8876023E, "A DirectDrawClipper object is attached to a source surface that has passed into a call to the IDirectDrawSurface3::BltFast method"}, // BLTFASTCANTCLIP
    {0x8876000A, "A surface cannot be attached to another requested surface"},              // CANNOTATTACHSURFACE
    {0x88760014, "A surface cannot be detached from another requested surface"},            // CANNOTDETACHSURFACE
    {0x88760249, "Windows cannot create any more device contexts (DCs)"},                   // CANTCREATEDC
    {0x88760247, "Primary and 3-D surfaces, or surfaces that are implicitly created, cannot be duplicated"}, // CANTDUPLICATE
    {0x887601B3, "Access to this surface is refused because an attempt was made to lock the primary surface without DCI support"}, // CANTLOCKSURFACE
    {0x88760280, "An attempt to page lock a surface failed. Page lock will not work on a display-memory surface or an emulated primary surface"}, // CANTPAGELOCK
    {0x88760294, "An attempt to page unlock a surface failed. Page unlock will not work on a display-memory surface or an emulated primary surface"}, // CANTPAGEUNLOCK
    {0x88760237, "An attempt was made to set a clip list for a DirectDrawClipper object that is already monitoring a window handle"}, // CLIPPERISUSINGHWND
    {0x88760190, "No source color key is specified for this operation"},                   // COLORKEYNOTSET
    {0x88760028, "No support is currently available"},                                      // CURRENTLYNOTAVAIL
    {0x8876026C, "A device context (DC) has already been returned for this surface. Only one DC can be retrieved for each surface"}, // DCALREADYCREATED
    {0x887602BB, "Surfaces created by one DirectDraw device cannot be used directly by another DirectDraw device"}, // DEVICEDOESNTOWNSURFACE
    {0x88760232, "A DirectDraw object representing this driver has already been created for this process"}, // DIRECTDRAWALREADYCREATED
    {0x88760037, "An exception was encountered while performing the requested operation"}, // EXCEPTION
    {0x88760245, "An attempt was made to set the cooperative level when it was already set to exclusive"}, // EXCLUSIVEMODEALREADYSET
    {0x80004005, "There is an undefined error condition"},                                  // GENERIC
    {0x8876005A, "The height of the provided rectangle is not a multiple of the required alignment"}, // HEIGHTALIGN
    {0x8876023B, "The DirectDraw cooperative level window handle has already been set. It cannot be reset while the process has surfaces or palettes created"}, // HWNDALREADYSET
    {0x8876023A, "DirectDraw is prevented from restoring state because the DirectDraw cooperative level window handle has been subclassed"}, // HWNDSUBCLASSED
    {0x8876024C, "The surface cannot be restored because it is an implicitly created surface"}, // IMPLICITLYCREATED
    {0x8876005F, "The primary surface creation request does not match with the existing primary surface"}, // INCOMPATIBLEPRIMARY
    {0x88760064, "One or more of the capability bits passed to the callback function are incorrect"}, // INVALIDCAPS
    {0x8876006E, "DirectDraw does not support the provided clip list"},                    // INVALIDCLIPLIST
    {0x88760231, "The globally unique identifier (GUID) passed to the DirectDrawCreate function is not a valid DirectDraw driver identifier"}, // INVALIDDIRECTDRAWGUID
    {0x88760078, "DirectDraw does not support the requested mode"},                        // INVALIDMODE
    {0x88760082, "DirectDraw received a pointer that was an invalid DirectDraw object"},   // INVALIDOBJECT
    {0x80070057, "One or more of the parameters passed to the method are incorrect"},      // INVALIDPARAMS
    {0x88760091, "The pixel format was invalid as specified"},                              // INVALIDPIXELFORMAT
    {0x88760243, "The position of the overlay on the destination is no longer legal"},     // INVALIDPOSITION
    {0x88760096, "The provided rectangle was invalid"},                                     // INVALIDRECT
    {0x88760250, "The requested operation could not be performed because the surface was of the wrong type"}, // INVALIDSURFACETYPE
    {0x887600A0, "One or more surfaces are locked, preventing operation"},                 // LOCKEDSURFACES
    {0x887602B2, "There is more data available than the specified buffer size could hold"}, // MOREDATA
    {0x887600AA, "No 3-D hardware or emulation is present"},                                // NO3D
    {0x887600B4, "No alpha acceleration hardware is present or available, causing the failure of the requested operation"}, // NOALPHAHW
    {0x8876023F, "No blitter hardware is present"},                                         // NOBLTHW
    {0x887600CD, "No clip list is available"},                                              // NOCLIPLIST
    {0x88760238, "No DirectDrawClipper object is attached to the surface object"},          // NOCLIPPERATTACHED
    {0x887600D2, "The operation cannot be carried out because no color-conversion hardware is present or available"}, // NOCOLORCONVHW
    {0x887600D7, "The surface does not currently have a color key"},                        // NOCOLORKEY
    {0x887600DC, "The operation cannot be carried out because there is no hardware support for the destination color key"}, // NOCOLORKEYHW
    {0x887600D4, "A create function is called without the IDirectDraw2::SetCooperativeLevel method being called"}, // NOCOOPERATIVELEVELSET
    {0x8876024A, "No DC has ever been created for this surface"},                           // NODC
    {0x88760240, "No DirectDraw raster operation (ROP) hardware is available"},             // NODDROPSHW
    {0x88760233, "Hardware-only DirectDraw object creation is not possible; the driver does not support any hardware"}, // NODIRECTDRAWHW
    {0x887600DE, "DirectDraw support is not possible with the current display driver"},    // NODIRECTDRAWSUPPORT
    {0x88760235, "Software emulation is not available"},                                    // NOEMULATION
    {0x887600E1, "The operation requires the application to have exclusive mode, but the application does not have exclusive mode"}, // NOEXCLUSIVEMODE
    {0x887600E6, "Flipping visible surfaces is not supported"},                             // NOFLIPHW
    {0x887600F0, "No GDI is present"},                                                      // NOGDI
    {0x88760239, "Clipper notification requires a window handle, or no window handle has been previously set as the cooperative level window handle"}, // NOHWND
    {0x8876024F, "The operation cannot be carried out because no mipmap texture mapping hardware is present or available"}, // NOMIPMAPHW
    {0x887600FA, "The operation cannot be carried out because no mirroring hardware is present or available"}, // NOMIRRORHW
    {0x88760276, "An attempt was made to allocate non-local video memory from a device that does not support non-local video memory"}, // NONONLOCALVIDMEM
    {0x88760258, "The device does not support optimized surfaces"},                         // NOOPTIMIZEHW
    {0x88760242, "The IDirectDrawSurface3::GetOverlayPosition method is called on an overlay that the IDirectDrawSurface3::UpdateOverlay method has not been called on to establish a destination"}, // NOOVERLAYDEST
    {0x88760104, "The operation cannot be carried out because no overlay hardware is present or available"}, // NOOVERLAYHW
    {0x8876023C, "No palette object is attached to this surface"},                          // NOPALETTEATTACHED
    {0x8876023D, "There is no hardware support for 16- or 256-color palettes"},             // NOPALETTEHW
    {0x88760118, "The operation cannot be carried out because no appropriate raster operation hardware is present or available"}, // NORASTEROPHW
    {0x88760122, "The operation cannot be carried out because no rotation hardware is present or available"}, // NOROTATIONHW
    {0x88760136, "The operation cannot be carried out because there is no hardware support for stretching"}, // NOSTRETCHHW
    {0x8876013C, "The DirectDrawSurface object is not using a 4-bit color palette and the requested operation requires a 4-bit color palette"}, // NOT4BITCOLOR
    {0x8876013D, "The DirectDrawSurface object is not using a 4-bit color index palette and the requested operation requires a 4-bit color index palette"}, // NOT4BITCOLORINDEX
    {0x88760140, "The DirectDrawSurface object is not using an 8-bit color palette and the requested operation requires an 8-bit color palette"}, // NOT8BITCOLOR
    {0x88760244, "An overlay component is called for a non-overlay surface"},               // NOTAOVERLAYSURFACE
    {0x8876014A, "The operation cannot be carried out because no texture-mapping hardware is present or available"}, // NOTEXTUREHW
    {0x88760246, "An attempt has been made to flip a surface that cannot be flipped"},     // NOTFLIPPABLE
    {0x887600FF, "The requested item was not found"},                                       // NOTFOUND
    {0x800401F0, "An attempt was made to call an interface method of a DirectDraw object created by CoCreateInstance before the object was initialized"}, // NOTINITIALIZED
    {0x88760259, "The surface is an optimized surface, but it has not yet been allocated any memory"}, // NOTLOADED
    {0x88760248, "An attempt is made to unlock a surface that was not locked"},             // NOTLOCKED
    {0x887602A8, "An attempt is made to page unlock a surface with no outstanding page locks"}, // NOTPAGELOCKED
    {0x8876024D, "The surface being used is not a palette-based surface"},                  // NOTPALETTIZED
    {0x8876014F, "The operation cannot be carried out because there is no hardware support for vertical blank synchronized operations"}, // NOVSYNCHW
    {0x88760154, "The operation to create a z-buffer in display memory or to perform a blit using a z-buffer cannot be carried out because there is no hardware support for z-buffers"}, // NOZBUFFERHW
    {0x8876015E, "The overlay surfaces cannot be z-layered based on the z-order because the hardware does not support z-ordering of overlays"}, // NOZOVERLAYHW
    {0x88760168, "The hardware needed for the requested operation has already been allocated"}, // OUTOFCAPS
    {0x8007000E, "DirectDraw does not have enough memory to perform the operation"},       // OUTOFMEMORY
    {0x8876017C, "DirectDraw does not have enough display memory to perform the operation"}, // OUTOFVIDEOMEMORY
    {0x8876017E, "The hardware does not support clipped overlays"},                         // OVERLAYCANTCLIP
    {0x88760180, "An attempt was made to have more than one color key active on an overlay"}, // OVERLAYCOLORKEYONLYONEACTIVE
    {0x88760241, "The IDirectDrawSurface3::GetOverlayPosition method is called on a hidden overlay"}, // OVERLAYNOTVISIBLE
    {0x88760183, "Access to this palette is refused because the palette is locked by another thread"}, // PALETTEBUSY
    {0x88760234, "This process has already created a primary surface"},                    // PRIMARYSURFACEALREADYEXISTS
    {0x88760236, "The region passed to the IDirectDrawClipper::GetClipList method is too small"}, // REGIONTOOSMALL
    {0x8876019A, "An attempt was made to attach a surface to another surface to which it is already attached"}, // SURFACEALREADYATTACHED
    {0x887601A4, "An attempt was made to make a surface a dependency of another surface to which it is already dependent"}, // SURFACEALREADYDEPENDENT
    {0x887601AE, "Access to the surface is refused because the surface is locked by another thread"}, // SURFACEBUSY
    {0x887601B8, "Access to the surface is refused because the surface is obscured"},      // SURFACEISOBSCURED
    {0x887601C2, "Access to the surface is refused because the surface memory is gone. The DirectDrawSurface object representing this surface should have the IDirectDrawSurface3::Restore method called on it"}, // SURFACELOST
    {0x887601CC, "The requested surface is not attached"},                                  // SURFACENOTATTACHED
    {0x887601D6, "The height requested by DirectDraw is too large"},                        // TOOBIGHEIGHT
    {0x887601E0, "The size requested by DirectDraw is too large. However, the individual height and width are OK"}, // TOOBIGSIZE
    {0x887601EA, "The width requested by DirectDraw is too large"},                         // TOOBIGWIDTH
    {0x80004001, "The operation is not supported"},                                         // UNSUPPORTED
    {0x887601FE, "The FourCC format requested is not supported by DirectDraw"},             // UNSUPPORTEDFORMAT
    {0x88760208, "The bitmask in the pixel format requested is not supported by DirectDraw"}, // UNSUPPORTEDMASK
    {0x8876024E, "The display is currently in an unsupported mode"},                        // UNSUPPORTEDMODE
    {0x88760219, "A vertical blank is in progress"},                                        // VERTICALBLANKINPROGRESS
    {0x887602B7, "The video port is not active"},                                           // VIDEONOTACTIVE
    {0x8876021C, "The previous blit operation that is transferring information to or from this surface is incomplete"}, // WASSTILLDRAWING
    {0x8876024B, "This surface cannot be restored because it was created in a different mode"}, // WRONGMODE
    {0x88760230, "The provided rectangle was not horizontally aligned on a required boundary"}, // XALIGN
};

static_assert(sizeof(kResultTexts) / sizeof(kResultTexts[0]) == 107);

} // namespace

void lrReportResult(uint32_t result)
{
    for (const ResultText& entry : kResultTexts) {
        if (entry.code == result) {
            std::string line = "####CHECKERROR: ";
            line += entry.text;
            line += "\n";
            lrDebugWrite(line.c_str());
            return;
        }
    }
}
