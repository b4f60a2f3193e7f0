(defun c:LoadDialog( / dcl_id)
   (defun init_handler()   ;Initialation_Code
       (action_tile "first" "(OnFirst)")
       (action_tile "fourth" "(OnFourth)")
       (princ)
   );End of Initial Function
   (defun set_data() ;Start Set function
       (if first_var (set_tile "first" (rtos first_var 2 0)))
       (princ)
   );End of Set function
   (defun get_data() ;Start Get function
       (setq first_var (atof (get_tile "first" )))
       (princ)
   );End of Get function
   (defun OnFirst()  ;Start of OnFirst()
   );End of OnFirst()
   (defun OnFourth()  ;Start of OnFourth()
   );End of OnFourth()
   (if (setq dcl_id (load_dialog "runs.dcl"))
       (if (new_dialog "runs_dlg" dcl_id)
           (progn
              (setq result nil)
              (init_handler)
              (set_data)
              (action_tile "accept" "(get_data)(done_dialog)(setq result T)")
              (start_dialog)
              (unload_dialog dcl_id)
              result
            )
        )
    )
)
