-- A short tour of what Sysreach gives a script, run by qvhost:
--   scripts/qvhost examples/tour.lua
local shell = Qoravel.UIEngine.OSShell
print("OSShell object:        " .. type(shell) .. " of class " ..
      tostring(getmetatable(shell) == debug.getregistry()["Qoravel.UIEngine.OSShell.Class"] and
               "Qoravel.UIEngine.OSShell.Class"))

-- Methods are reached through the object's class, with the colon syntax.
local class = getmetatable(shell)
local names = {}
for name, value in pairs(class) do
  if type(value) == "function" then names[#names + 1] = name end
end
table.sort(names)
print("methods on the object: " .. #names)

local ticks = shell:GetTickCount()
print(string.format("GetTickCount():        %d ms since the system started", ticks))

-- Without the colon the object is missing: the runtime's argument error.
local ok, err = pcall(function() return shell.GetTickCount() end)
print("shell.GetTickCount() raises: " .. (tostring(err):gsub("^.-:%d+: ", "")))

-- The host's main window, as handed to methods that take a window.
print(string.format("main window:           %s, as an integer %d", type(qvhost.hwnd), qvhost.hwnd_number))

-- PostQuitMessage ends the host's message loop with the given code.
shell:PostQuitMessage(7)
print("PostQuitMessage(7), then the message loop ended with code " .. qvhost.run())
