-- Cost of one script method call through the glue (object check, reads,
-- operation, push), against a plain Lua function call as the floor:
--   scripts/qvhost bench/method_calls.lua [CALLS]
local shell = Qoravel.UIEngine.OSShell
local calls = tonumber(arg[1]) or 2000000

local function measure(name, f)
  local start = os.clock()
  for _ = 1, calls do f() end
  local seconds = os.clock() - start
  print(string.format("%-40s %8.1f ns/call", name, seconds * 1e9 / calls))
end

print(string.format("%d calls each", calls))
measure("Lua function (floor)", function() return 0 end)
measure("GetTickCount()", function() return shell:GetTickCount() end)
measure("PostQuitMessage(\"7\"), text read as integer", function() return shell:PostQuitMessage("7") end)
qvhost.pump(0)  -- takes the quit message back off the queue
measure("method not built yet (object check only)", function() return shell:IsWindows7() end)
